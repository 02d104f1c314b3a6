// Start-up screens: the splash's date and season colour, the hand-over only after the settings
// are loaded, a broken installation ending before any other screen, and the version screen.
#include "startup/firstfrm.h"
#include "startup/frmver.h"
#include "support/apphost.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records, for the first screen other than the splash that is shown, whether the settings had
// been loaded by then.
class FirstShowWatcher : public QObject {
public:
    explicit FirstShowWatcher(App& app) : app_(app) { qApp->installEventFilter(this); }
    ~FirstShowWatcher() override { qApp->removeEventFilter(this); }
    bool sawScreen = false;
    bool settingsWereLoaded = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Show && w && w->isWindow() && !qobject_cast<Firstfrm*>(w) &&
            !sawScreen) {
            sawScreen = true;
            settingsWereLoaded = !app_.state().installation.rootFolder.isEmpty() &&
                                 app_.state().program.criteriaLines > 0;
        }
        return false;
    }

private:
    App& app_;
};

TEST(Splash, ShowsEraDateAndSeasonColourThenHandsOverAfterLoading) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    AppHost h = hostApp(program, QDateTime(QDate(2026, 12, 11), QTime(9, 30, 15)));
    FirstShowWatcher watcher(*h.app);
    h.app->start();
    auto* splash = h.app->screen<Firstfrm>();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->Label5->text(), QStringLiteral("令和8年 12月 11日（金）"));
    EXPECT_EQ(splash->Label1->text(), QStringLiteral("Just a moment, please."));
    EXPECT_EQ(h.app->state().installation.seasonColour, 0xC0FFC0u);
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 100);
    EXPECT_TRUE(h.app->state().installation.rootFolder.isEmpty()); // not before the timer
    QTest::qWait(300);
    EXPECT_EQ(h.app->screen<Firstfrm>(), nullptr);
    EXPECT_TRUE(watcher.sawScreen);
    EXPECT_TRUE(watcher.settingsWereLoaded);
    EXPECT_FALSE(h.app->finished());
}

TEST(Splash, SeasonColourAtTheTurnOfFebruaryAndMarch) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    const struct {
        QDate day;
        std::uint32_t colour;
    } cases[] = {{QDate(2027, 2, 28), 0xFF8000}, {QDate(2027, 3, 1), 0xC0FFC0},
                 {QDate(2027, 4, 15), 0xC0FFC0}, {QDate(2027, 12, 1), 0xC0FFC0}};
    for (const auto& c : cases) {
        AppHost h = hostApp(program, QDateTime(c.day, QTime(12, 0)));
        h.app->start();
        EXPECT_EQ(h.app->state().installation.seasonColour, c.colour) << c.day.toString().toStdString();
    }
}

TEST(Splash, BrokenSettingsEndTheProgramBeforeAnyOtherScreen) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    QFile::remove(dir.path() + QStringLiteral("/共通データ.txt"));
    AppHost h = hostApp(program, QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
    FirstShowWatcher watcher(*h.app);
    h.app->start();
    QTest::qWait(300);
    EXPECT_FALSE(watcher.sawScreen);
    EXPECT_TRUE(h.app->finished());
    EXPECT_EQ(h.app->exitCode(), 1);
    ASSERT_EQ(h.messages->log.size(), 1);
    EXPECT_TRUE(h.messages->log[0].startsWith(QStringLiteral("error|")));
    EXPECT_TRUE(h.messages->log[0].contains(QStringLiteral("共通データ.txt")));
    EXPECT_TRUE(h.app->liveScreens().isEmpty());
}

TEST(VersionScreen, ShowsProgramNameVersionAndFamily) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    AppHost h = hostApp(program, QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
    h.app->state().program.programName = QStringLiteral("数読庵");
    h.app->showVersionScreen();
    auto* ver = h.app->screen<frmver>();
    ASSERT_NE(ver, nullptr);
    EXPECT_EQ(ver->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(ver->Label1->text(), QStringLiteral("数読庵"));
    EXPECT_TRUE(ver->Label2->text().startsWith(QStringLiteral("Version1.")));
    EXPECT_EQ(ver->Label4->text(), QStringLiteral("Kirabo21"));
    EXPECT_EQ(ver->Command1->text(), QStringLiteral("O.K."));
    QTest::mouseClick(ver->Command1, Qt::LeftButton);
    EXPECT_EQ(h.app->screen<frmver>(), nullptr);
}

} // namespace
