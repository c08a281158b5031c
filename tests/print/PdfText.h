#pragma once

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QtEndian>

// Reads back what a PDF written by the toolkit's printer holds: its pages, their size and the characters
// they show. Enough for our own printouts (Flate-compressed page streams, Identity-H fonts with a ToUnicode
// map); not a general PDF reader.
class PdfText
{
public:
    explicit PdfText(const QByteArray &pdf)
    {
        static const QRegularExpression objectPattern(QStringLiteral("(\\d+) 0 obj(.*?)endobj"),
                                                      QRegularExpression::DotMatchesEverythingOption);
        const QString text = QString::fromLatin1(pdf);
        for (auto it = objectPattern.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            m_objects.insert(m.captured(1).toInt(), m.captured(2));
        }
        for (auto it = m_objects.cbegin(); it != m_objects.cend(); ++it) {
            if (isPage(it.value()))
                m_pages << it.key();
        }
        std::sort(m_pages.begin(), m_pages.end());
        orderPagesByTree();
    }

    int pageCount() const { return int(m_pages.size()); }

    // The page's media box, in points.
    QSizeF pageSize(int page) const
    {
        static const QRegularExpression box(
            QStringLiteral("/MediaBox\\s*\\[\\s*([\\d.]+)\\s+([\\d.]+)\\s+([\\d.]+)\\s+([\\d.]+)"));
        const auto m = box.match(m_objects.value(m_pages.value(page)));
        if (!m.hasMatch())
            return {};
        return QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                      m.captured(4).toDouble() - m.captured(2).toDouble());
    }

    // The characters the page shows, in the order they are drawn, without blanks (the printer places
    // words by position, not by blank characters).
    QString pageText(int page) const
    {
        const QString dict = m_objects.value(m_pages.value(page));
        QHash<QString, QHash<uint, QString>> fonts; // resource name -> code -> characters
        static const QRegularExpression fontRef(QStringLiteral("/(F\\d+)\\s+(\\d+) 0 R"));
        const QString resources = dereference(dict, QStringLiteral("Resources"));
        for (auto it = fontRef.globalMatch(resources); it.hasNext();) {
            const auto m = it.next();
            fonts.insert(m.captured(1), unicodeMap(m_objects.value(m.captured(2).toInt())));
        }
        QString shown;
        static const QRegularExpression contents(QStringLiteral("/Contents\\s+(\\d+) 0 R"));
        const auto c = contents.match(dict);
        if (!c.hasMatch())
            return shown;
        const QString stream = QString::fromLatin1(streamData(m_objects.value(c.captured(1).toInt())));
        static const QRegularExpression ops(
            QStringLiteral("/(F\\d+)\\s+[\\d.]+\\s+Tf|<([0-9A-Fa-f]*)>\\s*Tj"));
        QHash<uint, QString> current;
        for (auto it = ops.globalMatch(stream); it.hasNext();) {
            const auto m = it.next();
            if (!m.captured(1).isEmpty()) {
                current = fonts.value(m.captured(1));
                continue;
            }
            const QString hex = m.captured(2);
            for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
                shown += current.value(hex.mid(i, 4).toUInt(nullptr, 16));
        }
        shown.remove(QRegularExpression(QStringLiteral("\\s")));
        return shown;
    }

    QString allText() const
    {
        QString all;
        for (int page = 0; page < pageCount(); ++page)
            all += pageText(page);
        return all;
    }

private:
    static bool isPage(const QString &object)
    {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
        return page.match(object).hasMatch();
    }

    void orderPagesByTree()
    {
        static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
        static const QRegularExpression ref(QStringLiteral("(\\d+) 0 R"));
        for (const QString &object : std::as_const(m_objects)) {
            const auto m = kids.match(object);
            if (!m.hasMatch() || !object.contains(QLatin1String("/Type /Pages")))
                continue;
            QList<int> ordered;
            for (auto it = ref.globalMatch(m.captured(1)); it.hasNext();)
                ordered << it.next().captured(1).toInt();
            if (ordered.size() == m_pages.size())
                m_pages = ordered;
        }
    }

    // The value of a key that may be given in place or as a reference to another object.
    QString dereference(const QString &dict, const QString &key) const
    {
        const QRegularExpression asRef(QStringLiteral("/%1\\s+(\\d+) 0 R").arg(key));
        const auto m = asRef.match(dict);
        if (m.hasMatch())
            return m_objects.value(m.captured(1).toInt());
        return dict.mid(dict.indexOf(QLatin1Char('/') + key));
    }

    static QByteArray streamData(const QString &object)
    {
        static const QRegularExpression body(QStringLiteral("stream\\r?\\n(.*)endstream"),
                                             QRegularExpression::DotMatchesEverythingOption);
        const auto m = body.match(object);
        if (!m.hasMatch())
            return {};
        const QByteArray raw = m.captured(1).toLatin1();
        if (!object.contains(QLatin1String("FlateDecode")))
            return raw;
        // qUncompress wants the expected size in front of the zlib stream; a generous guess serves.
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(raw.size() * 64 + 4096), sized.data());
        return qUncompress(sized + raw);
    }

    QHash<uint, QString> unicodeMap(const QString &font) const
    {
        QHash<uint, QString> map;
        static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode\\s+(\\d+) 0 R"));
        const auto t = toUnicode.match(font);
        if (!t.hasMatch())
            return map;
        const QString cmap = QString::fromLatin1(streamData(m_objects.value(t.captured(1).toInt())));
        static const QRegularExpression range(
            QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(\\[[^\\]]*\\]|<[0-9A-Fa-f]+>)"));
        static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
        static const QRegularExpression bfchar(QStringLiteral("beginbfchar(.*?)endbfchar"),
                                               QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression bfrange(QStringLiteral("beginbfrange(.*?)endbfrange"),
                                                QRegularExpression::DotMatchesEverythingOption);
        const auto unicode = [](const QString &digits) {
            QString s;
            for (qsizetype i = 0; i + 4 <= digits.size(); i += 4)
                s += QChar(char16_t(digits.mid(i, 4).toUInt(nullptr, 16)));
            return s;
        };
        for (auto block = bfrange.globalMatch(cmap); block.hasNext();) {
            for (auto it = range.globalMatch(block.next().captured(1)); it.hasNext();) {
                const auto m = it.next();
                const uint first = m.captured(1).toUInt(nullptr, 16);
                const uint last = m.captured(2).toUInt(nullptr, 16);
                QStringList targets;
                for (auto h = hex.globalMatch(m.captured(3)); h.hasNext();)
                    targets << h.next().captured(1);
                const bool array = m.captured(3).startsWith(QLatin1Char('['));
                for (uint code = first; code <= last; ++code) {
                    if (array)
                        map.insert(code, unicode(targets.value(int(code - first))));
                    else
                        map.insert(code, QString(QChar(char16_t(targets.value(0).toUInt(nullptr, 16) +
                                                                (code - first)))));
                }
            }
        }
        for (auto block = bfchar.globalMatch(cmap); block.hasNext();) {
            const QString body = block.next().captured(1);
            QStringList codes;
            for (auto h = hex.globalMatch(body); h.hasNext();)
                codes << h.next().captured(1);
            for (qsizetype i = 0; i + 1 < codes.size(); i += 2)
                map.insert(codes[i].toUInt(nullptr, 16), unicode(codes[i + 1]));
        }
        return map;
    }

    QHash<int, QString> m_objects;
    QList<int> m_pages;
};
