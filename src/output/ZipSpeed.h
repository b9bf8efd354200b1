#pragma once

namespace vorlenza
{

/// While one of these lives on a thread, libxlsxwriter packs what that thread writes with zlib's
/// fastest level instead of its default one: the spreadsheet of a long run comes out about a quarter
/// larger and in half the time. libxlsxwriter offers no setting for this, so the zip library's
/// function that opens each part of the file is taken over (see ZipSpeed.cpp) and hands the call on
/// with the level changed.
class FastZip
{
public:
    FastZip();
    ~FastZip();
    FastZip(const FastZip&) = delete;
    FastZip& operator=(const FastZip&) = delete;
};

} // namespace vorlenza
