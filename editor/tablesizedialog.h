#pragma once
// The insert-table dialog "插入表格". The main window creates it once and
// hands it to every editor window it opens, so that its boxes keep what the
// operator last typed; the values of the last confirmed showing stay in
// parameters() until the next "确定".

#include <QColor>
#include <QDialog>

class QSpinBox;
class QToolButton;

namespace dotsign {

struct TableParameters
{
    int rows = 2;
    int columns = 2;
    int outerBorderWidth = 1;
    int innerBorderWidth = 1;
    QColor outerBorderColour = QColor(255, 0, 0);
    QColor innerBorderColour = QColor(255, 0, 0);
};

constexpr int kMaxTableRows = 63;
constexpr int kMaxTableColumns = 63;
constexpr int kMaxTableBorder = 63;

class TF_TABLE_SIZE : public QDialog
{
    Q_OBJECT
public:
    explicit TF_TABLE_SIZE(QWidget* parent = nullptr);

    // The values of the last "确定".
    const TableParameters& parameters() const { return m_parameters; }

    // The boxes, as the operator left them (tests fill them through these).
    QSpinBox* rowsBox() const { return m_rows; }
    QSpinBox* columnsBox() const { return m_columns; }
    QSpinBox* outerWidthBox() const { return m_outerWidth; }
    QSpinBox* innerWidthBox() const { return m_innerWidth; }
    QColor outerColour() const { return m_outerColour; }
    QColor innerColour() const { return m_innerColour; }
    void setOuterColour(const QColor& colour);
    void setInnerColour(const QColor& colour);

    // "确定(&O)": copies the boxes into parameters() and closes with OK.
    void accept() override;

private:
    QWidget* buildSizeGroup();
    QWidget* buildWidthGroup();
    QWidget* buildColourGroup();
    void chooseColour(QToolButton* swatch, QColor* colour);
    static void paintSwatch(QToolButton* swatch, const QColor& colour);

    TableParameters m_parameters;
    QSpinBox* m_rows = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_outerWidth = nullptr;
    QSpinBox* m_innerWidth = nullptr;
    QToolButton* m_outerSwatch = nullptr;
    QToolButton* m_innerSwatch = nullptr;
    QColor m_outerColour = QColor(255, 0, 0);
    QColor m_innerColour = QColor(255, 0, 0);
};

} // namespace dotsign
