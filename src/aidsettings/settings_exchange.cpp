#include "aidsettings/settings_exchange.h"

#include <QStringList>
#include <QVariant>
#include <algorithm>

namespace tarvo {

namespace {

// The text of a value as the file holds it. An unquoted value with commas in it is
// read by QSettings as a list of its pieces; a person who typed "Atlanta, GA" by hand
// meant the one text, so the pieces are joined again.
QString StoredText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

}  // namespace

void SettingsExchange::Text(std::string_view key, std::string& value,
                            bool (*acceptable)(std::string_view)) {
    if (!Reading()) {
        file_.setValue(Key(key), QString::fromStdString(value));
        return;
    }
    const QVariant stored = file_.value(Key(key));
    if (!stored.isValid()) {
        return;
    }
    std::string text = StoredText(stored).toStdString();
    if (acceptable == nullptr || acceptable(text)) {
        value = std::move(text);
    }
}

void SettingsExchange::Integer(std::string_view key, int& value, int lowest, int highest) {
    if (!Reading()) {
        file_.setValue(Key(key), value);
        return;
    }
    const QVariant stored = file_.value(Key(key));
    if (!stored.isValid()) {
        return;
    }
    bool ok = false;
    const qlonglong number = StoredText(stored).trimmed().toLongLong(&ok, 10);
    if (ok && number >= lowest && number <= highest) {
        value = static_cast<int>(number);
    }
}

void SettingsExchange::Number(std::string_view key, double& value, double lowest, double highest) {
    if (!Reading()) {
        file_.setValue(Key(key), value);
        return;
    }
    const QVariant stored = file_.value(Key(key));
    if (!stored.isValid()) {
        return;
    }
    bool ok = false;
    // QString::toDouble reads the C locale's form whatever the user's region: a period.
    const double number = StoredText(stored).trimmed().toDouble(&ok);
    if (ok && number >= lowest && number <= highest) {  // NaN fails both comparisons
        value = number;
    }
}

int SettingsExchange::ListSize(const QString& key) {
    // The entries present, numbered from 1 by QSettings.
    file_.beginGroup(key);
    const QStringList numbers = file_.childGroups();
    file_.endGroup();
    int highest = 0;
    bool ok = false;
    for (const QString& number : numbers) {
        const int index = number.toInt(&ok);
        if (ok && index > 0) {
            highest = std::max(highest, index);
        }
    }
    // The size the file gives, but never more entries than it holds (a size typed as
    // two thousand million is not looped through); without a readable size, the
    // entries present count.
    const QVariant stored = file_.value(key + QStringLiteral("/size"));
    const int size = stored.toInt(&ok);
    if (ok && size >= 0) {
        return std::min(size, highest);
    }
    return highest > 0 ? highest : -1;
}

}  // namespace tarvo
