// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class JLTableView;

class JLTableViewDataSource {
public:
    virtual ~JLTableViewDataSource() = default;
    virtual std::int64_t numberOfRowsInTableView(JLTableView& tableView) = 0;
    // The count after one row came (change +1) or went (-1) at row, everything else left as it was: a source that
    // notes something per row need only note that one.
    virtual std::int64_t numberOfRowsAfterChange(JLTableView& tableView, std::int64_t, int) {
        return numberOfRowsInTableView(tableView);
    }
};

class JLTableViewDelegate {
public:
    virtual ~JLTableViewDelegate() = default;
    virtual double heightOfRow(JLTableView& tableView, std::int64_t row) = 0;
    // A likely row height, taken for rows until they come near sight; 0 measures every row on each reload.
    virtual double estimatedRowHeight(JLTableView&) { return 0.0; }
    virtual QWidget* viewForRow(JLTableView& tableView, std::int64_t row) = 0;
};

// Rows of widgets from a data source; only the rows in sight have a cell, and cells are reused.
class JLTableView final : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Animation { None, SlideLeft, SlideRight, Gap };
    Q_ENUM(Animation)
    using CellTemplate = std::function<QWidget*(QObject* owner)>;

    explicit JLTableView(QWidget* parent = nullptr);
    ~JLTableView() override;

    void setDataSource(JLTableViewDataSource* dataSource) { m_dataSource = dataSource; }
    void setDelegate(JLTableViewDelegate* delegate) { m_delegate = delegate; }
    void registerTemplate(const QString& identifier, CellTemplate cellTemplate);

    // A cell to fill. While a reload places the rows anew, a cell of the rows shown before that fits (fits says
    // whether it showed the same) comes first, so that a row still shown keeps its cell and is the same row to
    // assistive technology; without fits, the rows take back the cells shown before in their order.
    QWidget* makeViewWithIdentifier(const QString& identifier, QObject* owner,
                                    const std::function<bool(const QWidget*)>& fits = {});
    void reloadData();
    void insertRows(std::int64_t row, Animation animation);
    void removeRows(std::int64_t row, Animation animation);
    std::int64_t rowForView(const QWidget* view) const;
    // Scrolls the least needed to bring the whole row into sight.
    void scrollRowToVisible(std::int64_t row);
    QWidget* viewAtRow(std::int64_t row, bool makeIfNecessary);
    std::int64_t numberOfRows() const { return static_cast<std::int64_t>(m_heights.size()); }
    // A row not measured yet has the estimated height.
    double rowHeight(std::int64_t row) const { return m_heights.at(static_cast<std::size_t>(row)); }
    // Asks the delegate for the rows' heights not asked yet, keeping the first row in sight where it is.
    void measureRows(std::int64_t first, std::int64_t last);
    std::size_t cellCount() const { return m_cells.size(); }
    // The cells of the rows in sight, top to bottom; not those sliding out or waiting for reuse.
    std::vector<QWidget*> cellsInSight() const;

signals:
    // After the table took in an inserted or removed row, with the animation it was asked for.
    void rowInserted(std::int64_t row, JLTableView::Animation animation);
    void rowRemoved(std::int64_t row, JLTableView::Animation animation);
    // After every placing of the cells in sight: reload, insertion, removal, scrolling and resizing.
    void cellsLaidOut();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void readHeights();
    void measureRowsInSight();
    // Measures the rows from first to last, keeping anchor (if a row) at the same place on screen.
    void measure(std::int64_t first, std::int64_t last, std::int64_t anchor);
    void setTopsFrom(std::int64_t row);
    std::int64_t rowAtOffset(int y) const;
    void setScrollValue(int value);
    void updateHeights(std::int64_t row, int change);
    void layoutCells(bool animate);
    void recycle(QWidget* cell);
    int rowTop(std::int64_t row) const;

    JLTableViewDataSource* m_dataSource = nullptr;
    JLTableViewDelegate* m_delegate = nullptr;
    std::map<QString, CellTemplate> m_templates;
    std::map<QString, std::vector<QWidget*>> m_spareCells;
    std::map<std::int64_t, QWidget*> m_cells;
    // During a reload, the cells of the rows shown before, top to bottom, still showing until placed or put away.
    std::vector<QWidget*> m_reloaded;
    std::vector<double> m_heights;
    std::vector<int> m_tops;
    // Which heights came from the delegate rather than its estimate.
    std::vector<bool> m_measured;
    std::int64_t m_unmeasured = 0;
    // Set while the table moves its own scroll bar; the caller lays the cells out.
    bool m_scrolling = false;
    // Rows are read from the data source at the first show at the latest, as a table shows what it holds.
    bool m_loaded = false;
    // The viewport width the heights were read at: rows wrap their text to it.
    int m_measuredWidth = -1;
};
