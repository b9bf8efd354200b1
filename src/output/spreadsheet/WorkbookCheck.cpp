#include "WorkbookCheck.h"

#include <zip.h>

#include <algorithm>
#include <cstring>

namespace vorlenza {

namespace {

/// No part of a results workbook comes near this; a larger size is a damaged header.
constexpr zip_uint64_t LargestPart = zip_uint64_t(1) << 30;

/// The part `name` of `archive`, unpacked into `bytes`; false when it is missing, cannot be read or
/// is damaged (libzip compares the checksum once the part is read to its end).
bool readPart(zip_t* archive, const char* name, QByteArray* bytes)
{
    bytes->clear();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > LargestPart)
        return false;
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (file == nullptr)
        return false;
    bytes->resize(static_cast<qsizetype>(stat.size));
    zip_uint64_t read = 0;
    while (read < stat.size) {
        const zip_int64_t n = zip_fread(file, bytes->data() + read, stat.size - read);
        if (n <= 0)
            break;
        read += static_cast<zip_uint64_t>(n);
    }
    char more = 0;
    const bool atEnd = read == stat.size && zip_fread(file, &more, 1) == 0;
    zip_fclose(file);
    bytes->resize(static_cast<qsizetype>(read));
    return atEnd;
}

/// Whether the XML of `part` ends with the end tag of its first element, as no part cut short does.
bool closed(const QByteArray& part)
{
    qsizetype at = part.indexOf('<');
    // Past the declaration and anything else before the first element (<?…?>, <!…>).
    while (at >= 0 && at + 1 < part.size() && (part[at + 1] == '?' || part[at + 1] == '!'))
        at = part.indexOf('<', at + 1);
    if (at < 0)
        return false;
    qsizetype end = at + 1;
    while (end < part.size() && std::strchr(" \t\r\n/>", part[end]) == nullptr)
        ++end;
    return part.trimmed().endsWith("</" + part.mid(at + 1, end - at - 1) + '>');
}

/// The number of the sheet's last row (<row r="…">), 0 when it has none.
quint32 lastRowOf(const QByteArray& sheet)
{
    const QByteArray mark("<row r=\"");
    const qsizetype at = sheet.lastIndexOf(mark);
    if (at < 0)
        return 0;
    const qsizetype from = at + mark.size();
    return sheet.mid(from, sheet.indexOf('"', from) - from).toUInt();
}

} // namespace

WorkbookCheck checkWorkbook(const QByteArray& book, const QByteArrayList& parts, const QByteArray& sheetPart,
                            quint32 lastRow)
{
    WorkbookCheck check;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(book.constData(), zip_uint64_t(book.size()), 0, &error);
    zip_t* archive = source == nullptr ? nullptr : zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
        return check;
    }

    bool whole = zip_get_num_entries(archive, 0) == zip_int64_t(parts.size());
    QByteArray part;
    for (const QByteArray& name : parts) {
        const bool read = readPart(archive, name.constData(), &part);
        check.largestPart = std::max(check.largestPart, qint64(part.size()));
        whole = whole && read && closed(part) && (name != sheetPart || lastRowOf(part) == lastRow);
    }
    // The archive owns the source now and frees it with itself.
    zip_discard(archive);
    check.whole = whole;
    return check;
}

} // namespace vorlenza
