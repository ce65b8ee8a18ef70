#include "aidwindows/text_table_model.h"

#include <utility>

#include "aidwindows/tab_separated.h"
#include "platform/qt_text.h"

namespace tarvo {

void TextTableModel::SetTable(std::vector<std::string> columns,
                              std::vector<std::vector<std::string>> rows) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    endResetModel();
}

void TextTableModel::AddRows(std::vector<std::vector<std::string>> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (std::vector<std::string>& row : rows) {
        rows_.push_back(std::move(row));
    }
    endInsertRows();
}

std::string TextTableModel::PlainText() const {
    std::string text;
    AppendTabSeparatedLine(text, columns_);
    for (const std::vector<std::string>& row : rows_) {
        AppendTabSeparatedLine(text, row);
    }
    return text;
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    const std::vector<std::string>& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? ToQString(row[column]) : QString();
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return ToQString(columns_[static_cast<std::size_t>(section)]);
}

}  // namespace tarvo
