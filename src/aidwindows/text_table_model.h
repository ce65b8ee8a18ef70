#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace tarvo {

// A table of texts (program text) under column captions, read-only: every cell is also
// what a screen reader says of it, and each caption is its column's header.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the whole table. A row shorter than the captions has empty cells after.
    void SetTable(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);
    // Adds rows at the end, under the captions in place.
    void AddRows(std::vector<std::vector<std::string>> rows);

    const std::vector<std::string>& Columns() const { return columns_; }
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

    // The captions and then each row, one line each, the cells separated by tabs.
    std::string PlainText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace tarvo
