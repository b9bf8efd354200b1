// The compiled translations are built in by qt_add_translations; this unit only gives the
// library a body of its own.
namespace vorlenza_translations_anchor {
int anchor() { return 0; }
} // namespace vorlenza_translations_anchor
