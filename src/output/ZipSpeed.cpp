#include "ZipSpeed.h"

#include <minizip/zip.h>

#include <dlfcn.h>

namespace
{
thread_local int fastZips = 0;
}

namespace vorlenza
{
FastZip::FastZip()
{
    ++fastZips;
}
FastZip::~FastZip()
{
    --fastZips;
}
} // namespace vorlenza

// The program defines the zip library's own function, so the dynamic linker binds libxlsxwriter's
// calls here; the call goes on to the zip library (the next definition in load order) unchanged,
// but for the level while a FastZip lives. The header's declaration makes the compiler hold this
// definition to the library's signature.
extern "C" int ZEXPORT zipOpenNewFileInZip4_64(zipFile file, const char* filename, const zip_fileinfo* zipfi,
                                               const void* extrafield_local, uInt size_extrafield_local,
                                               const void* extrafield_global, uInt size_extrafield_global,
                                               const char* comment, int method, int level, int raw,
                                               int windowBits, int memLevel, int strategy,
                                               const char* password, uLong crcForCrypting,
                                               uLong versionMadeBy, uLong flagBase, int zip64)
{
    using Open = decltype(&zipOpenNewFileInZip4_64);
    static const auto next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "zipOpenNewFileInZip4_64"));
    if (next == nullptr)
        return ZIP_INTERNALERROR;
    if (fastZips > 0 && method == Z_DEFLATED && level != Z_NO_COMPRESSION)
        level = Z_BEST_SPEED;
    return next(file, filename, zipfi, extrafield_local, size_extrafield_local, extrafield_global,
                size_extrafield_global, comment, method, level, raw, windowBits, memLevel, strategy, password,
                crcForCrypting, versionMadeBy, flagBase, zip64);
}
