// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QAbstractButton;
class QButtonGroup;

// Two side-by-side exclusive segments; the selected one is the control's state.
class JLSegmentedControl final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString firstLabel READ firstLabel WRITE setFirstLabel)
    Q_PROPERTY(QString secondLabel READ secondLabel WRITE setSecondLabel)
    Q_PROPERTY(int selectedSegment READ selectedSegment WRITE setSelectedSegment)
public:
    explicit JLSegmentedControl(QWidget* parent = nullptr);
    ~JLSegmentedControl() override;

    int selectedSegment() const;
    void setSelectedSegment(int segment);
    QString firstLabel() const { return label(0); }
    void setFirstLabel(const QString& text) { setLabel(0, text); }
    QString secondLabel() const { return label(1); }
    void setSecondLabel(const QString& text) { setLabel(1, text); }
    QString label(int segment) const;
    void setLabel(int segment, const QString& text);
    // A number after a segment's label, "To Do (3)", in its accessible name too; none shows the label alone.
    void setCount(int segment, std::optional<std::int64_t> count);
    std::optional<std::int64_t> count(int segment) const;
    QAbstractButton* segmentButton(int segment) const;

signals:
    // Only a user's click sends it, like any control's action.
    void segmentClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showLabel(int segment);
    void colourChosenSegment();

    QButtonGroup* m_group;
    std::array<QString, 2> m_labels;
    std::array<std::optional<std::int64_t>, 2> m_counts;
};
