// The resources themselves are compiled in by qt_add_resources; this unit only gives the
// library a body of its own.
namespace vorlenza_resources_anchor {
int anchor() { return 0; }
} // namespace vorlenza_resources_anchor
