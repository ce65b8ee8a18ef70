#include "platform/dialog_text.h"

#include <QRegularExpression>

#include "platform/qt_text.h"

namespace tarvo {

QString MessageText(std::string_view text) {
    const QString source = ToQString(text);
    QString shown;
    shown.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == u'\n' || c == u'\r') {
            const QChar pair = c == u'\n' ? u'\r' : u'\n';
            if (i + 1 < source.size() && source.at(i + 1) == pair) {
                ++i;  // the two characters of one break
            }
            shown.append(u'\n');
        } else {
            shown.append(c);
        }
    }
    return shown;
}

namespace {

QString QtPatterns(const QString& patterns) {
    QStringList parts = patterns.split(u';', Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == u"*.*") {
            part = QStringLiteral("*");
        }
    }
    parts.removeAll(QString());
    return parts.isEmpty() ? QStringLiteral("*") : parts.join(u' ');
}

}  // namespace

QStringList NameFilters(std::string_view filter) {
    QStringList filters;
    const QStringList parts = ToQString(filter).split(u'|');
    if (filter.empty()) {
        return filters;
    }
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts.at(i);
        const QString patterns = i + 1 < parts.size() ? parts.at(i + 1) : QStringLiteral("*");
        description.remove(trailingPatterns);
        filters.append(description.trimmed() + QStringLiteral(" (") + QtPatterns(patterns) + u')');
    }
    return filters;
}

}  // namespace tarvo
