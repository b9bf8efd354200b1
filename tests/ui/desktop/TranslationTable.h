#pragma once

// What the translation tests share: the entries of a .ts source file, a .qm file written from
// entries (to make damaged translations on purpose), and the texts a person reads in a window.

#include <QAbstractButton>
#include <QDataStream>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QWidget>
#include <QXmlStreamReader>

#include <algorithm>
#include <utility>
#include <vector>

struct TsEntry {
    QByteArray context;
    QByteArray source;
    QByteArray comment;
    bool numerus = false;
    QStringList translations; ///< one per plural form; empty when unfinished
};

/// The entries of a .ts file that are still in the code (vanished and obsolete ones are left out).
inline std::vector<TsEntry> readTs(const QString& path)
{
    std::vector<TsEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QByteArray context;
    TsEntry entry;
    bool keep = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message") && keep)
                entries.push_back(entry);
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText().toUtf8();
        else if (name == QLatin1String("message")) {
            entry =
                TsEntry{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}};
            keep = true;
        } else if (name == QLatin1String("source"))
            entry.source = xml.readElementText().toUtf8();
        else if (name == QLatin1String("comment"))
            entry.comment = xml.readElementText().toUtf8();
        else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            keep = type != QLatin1String("vanished") && type != QLatin1String("obsolete");
            const bool unfinished = type == QLatin1String("unfinished");
            if (!entry.numerus) {
                const QString text = xml.readElementText();
                if (!unfinished)
                    entry.translations << text;
            }
        } else if (name == QLatin1String("numerusform")) {
            const QString text = xml.readElementText();
            if (!text.isEmpty())
                entry.translations << text;
        }
    }
    return entries;
}

/// The hash Qt's translator files index their messages by.
inline quint32 qmHash(const QByteArray& text)
{
    quint32 h = 0;
    for (const char c : text) {
        h = (h << 4) + static_cast<uchar>(c);
        const quint32 g = h & 0xf0000000;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h == 0 ? 1 : h;
}

/// A translator file (.qm) in which every entry translates to `translation` (an empty string:
/// every entry is present but says nothing).
inline QByteArray qmWithEveryEntryAs(const std::vector<TsEntry>& entries, const QString& translation)
{
    QByteArray messages;
    std::vector<std::pair<quint32, quint32>> hashes;
    for (const TsEntry& e : entries) {
        hashes.emplace_back(qmHash(e.source + e.comment), quint32(messages.size()));
        QDataStream out(&messages, QIODevice::WriteOnly | QIODevice::Append);
        out << quint8(3) << quint32(translation.size() * 2);
        for (const QChar c : translation)
            out << quint16(c.unicode());
        out << quint8(8) << quint32(e.comment.size());
        out.writeRawData(e.comment.constData(), int(e.comment.size()));
        out << quint8(6) << quint32(e.source.size());
        out.writeRawData(e.source.constData(), int(e.source.size()));
        out << quint8(7) << quint32(e.context.size());
        out.writeRawData(e.context.constData(), int(e.context.size()));
        out << quint8(1);
    }
    std::sort(hashes.begin(), hashes.end());
    QByteArray qm = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    QDataStream out(&qm, QIODevice::WriteOnly | QIODevice::Append);
    out << quint8(0x42) << quint32(hashes.size() * 8);
    for (const auto& [hash, offset] : hashes)
        out << hash << offset;
    out << quint8(0x69) << quint32(messages.size());
    out.writeRawData(messages.constData(), int(messages.size()));
    return qm;
}

/// The texts a person reads in `window`: its title, every caption, label and frame title, every
/// tooltip and accessible name, keyed by where they show ("cmdRun caption", "window title").
inline QMap<QString, QString> readableTexts(QWidget* window)
{
    QMap<QString, QString> texts;
    const auto add = [&](const QWidget* w, const char* what, const QString& text) {
        if (!text.isEmpty())
            texts.insert(w->objectName() + QLatin1Char(' ') + QLatin1String(what), text);
    };
    add(window, "window title", window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (const auto* label = qobject_cast<QLabel*>(w))
            add(w, "caption", label->text());
        else if (const auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, "caption", button->text());
        else if (const auto* frame = qobject_cast<QGroupBox*>(w))
            add(w, "caption", frame->title());
        add(w, "tooltip", w->toolTip());
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
    }
    return texts;
}
