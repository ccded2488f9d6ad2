// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "Translations.h"

#include <QComboBox>
#include <QDir>
#include <QScrollArea>
#include <QStyleOptionFrame>
#include <QTranslator>

namespace {
// A language as the program loads it, from the folder that holds its translation, either way round.
struct Language {
    QString name;
    QString folder;
    bool rightToLeft = false;
};

// Every translation built, English as shipped, and German, among the longest, right to left as Arabic or Hebrew
// would lay it out.
std::vector<Language> languages() {
    const QString built = QStringLiteral(REDIZADO_BUILT_TRANSLATIONS);
    std::vector<Language> result{{QStringLiteral("en"), built}};
    for (const QString& file : QDir(built).entryList({QStringLiteral("redizado_*.qm")}, QDir::Files, QDir::Name)) {
        const QString name = file.mid(9).chopped(3);
        if (name != QLatin1String("en"))
            result.push_back({name, built});
    }
    result.push_back({QStringLiteral("de"), built, true});
    return result;
}

// Where a widget's text would be cut: its own words, or nothing.
QString clipped(QWidget* widget) {
    const QSize size = widget->size();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap())
            return label->heightForWidth(size.width()) > size.height() ? label->text() : QString();
        return label->sizeHint().width() > size.width() ? label->text() : QString();
    }
    // A button may be squeezed to its least width, which still shows its words whole.
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return !button->text().isEmpty() && button->minimumSizeHint().width() > size.width() ? button->text()
                                                                                             : QString();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->sizeHint().width() > size.width() ? combo->currentText() : QString();
    if (auto* entry = qobject_cast<QLineEdit*>(widget); entry && entry->text().isEmpty()) {
        QStyleOptionFrame option;
        option.initFrom(entry);
        option.lineWidth = entry->hasFrame() ? entry->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect room =
            entry->style()->subElementRect(QStyle::SE_LineEditContents, &option, entry) - entry->textMargins();
        // Qt keeps two pixels either side of the text.
        const int needs = entry->fontMetrics().horizontalAdvance(entry->placeholderText()) + 4;
        return needs > room.width() ? entry->placeholderText() : QString();
    }
    return {};
}

class LanguageLayoutTest : public ListFixture, public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        if (GetParam().rightToLeft)
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        translations::install(*qApp, {GetParam().name}, {GetParam().folder});
        defaults.setBool(keys::shortcutKey, true);
        // Stored rather than added, so that no row is still sliding in when measured.
        // Over a hundred to do, so that the switch's count takes three digits.
        plist_value::Array items{storedItem("Buy milk"),
                                 storedItem("Call the plumber about the kitchen tap before Friday"),
                                 storedItem("Pay rent", true)};
        for (int number = 1; number <= 120; ++number)
            items.push_back(storedItem("Item " + std::to_string(number)));
        startPanel(items);
        // With a keyring, so that the whole sync form shows.
        panel->setSyncControl(&sync);
        showInWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override {
        panel->setSyncControl(nullptr);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            if (!before.contains(translator))
                delete translator;
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // What shows now, each widget whose text a person reads within the panel and not cut short; saved for a
    // reader to look at.
    void expectNothingClipped(const char* state) {
        QCoreApplication::processEvents();
        const Language& language = GetParam();
        const QString name = language.name + (language.rightToLeft ? QStringLiteral("-rtl-") : QStringLiteral("-")) +
                             QLatin1String(state);
        QDir().mkpath(QStringLiteral(REDIZADO_SCREENSHOTS));
        window.grab().save(QStringLiteral(REDIZADO_SCREENSHOTS "/%1.png").arg(name));
        for (QWidget* widget : view()->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(view()) || widget->size().isEmpty())
                continue;
            const QRect panelArea = shownArea(widget);
            const QRect area(widget->mapTo(view(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(area.left() >= panelArea.left() && area.right() <= panelArea.right())
                << name.toStdString() << ": " << widget->metaObject()->className() << " '"
                << widget->objectName().toStdString() << "' at " << area.left() << ".." << area.right();
            const QString cut = clipped(widget);
            EXPECT_TRUE(cut.isEmpty()) << name.toStdString() << ": '" << cut.toStdString() << "' is cut short in "
                                       << widget->width() << "x" << widget->height();
        }
    }
    // The panel, or the part of a scrolled pane that shows: what lies beyond its width is never seen.
    QRect shownArea(QWidget* widget) {
        for (QWidget* inner = widget; inner->parentWidget() && inner->parentWidget() != view();
             inner = inner->parentWidget()) {
            QWidget* outer = inner->parentWidget();
            if (auto* scrolled = qobject_cast<QScrollArea*>(outer->parentWidget());
                scrolled && outer == scrolled->viewport())
                return {outer->mapTo(view(), QPoint(0, 0)), outer->size()};
        }
        return view()->rect();
    }
    // In right-to-left the entry starts at the panel's right and each check box's box is right of its words.
    void expectMirrored() {
        const QRect entry(widgets().entryField->mapTo(view(), QPoint(0, 0)), widgets().entryField->size());
        EXPECT_GT(entry.right(), view()->width() - 20) << "the entry ends at " << entry.right();
        for (QCheckBox* box : view()->findChildren<QCheckBox*>()) {
            if (!box->isVisibleTo(view()) || box->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect mark = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
            const QRect words = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            EXPECT_GT(mark.left(), words.left()) << box->text().toStdString();
        }
    }

    const QList<QTranslator*> before = qApp->findChildren<QTranslator*>();
    MemorySyncControl sync;
};

TEST_P(LanguageLayoutTest, EveryTextOfTheListAndTheSettingsShowsWhole) {
    expectNothingClipped("list");
    widgets().settingsButton->click();
    ASSERT_FALSE(panel->shortcutView()->isHidden());
    expectNothingClipped("settings");
    if (GetParam().rightToLeft)
        expectMirrored();
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLayoutTest, ::testing::ValuesIn(languages()), [](const auto& info) {
    QString name = info.param.name + (info.param.rightToLeft ? QStringLiteral("_rtl") : QString());
    return name.toStdString();
});
} // namespace
