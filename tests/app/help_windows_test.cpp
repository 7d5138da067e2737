// The Rules window and the About dialog: their layouts and texts, and how the Help menu shows them
// and they go away again.
#include <QApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "app_test_support.h"

class HelpWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramWindows> windows_;

  TForm2& Rules() { return windows_->Form2; }
  TAboutBox& About() { return windows_->AboutBox; }

  void Choose(const char* item) {
    windows_->Form1.findChild<QAction*>(QString::fromLatin1(item))->trigger();
  }

  QPlainTextEdit* Memo() { return Rules().findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); }

 private slots:
  void initTestCase() { PrepareApplication(); }

  void init() {
    windows_ = std::make_unique<ProgramWindows>(PictureFolder());
    windows_->Form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows_->Form1));
  }

  void cleanup() { windows_.reset(); }

  void HelpWindowsStartHidden() {
    QVERIFY(!Rules().isVisible());
    QVERIFY(!About().isVisible());
  }

  void RulesWindowIsASizeableWindowFilledByItsText() {
    QCOMPARE(Rules().windowTitle(), QStringLiteral("Rules of Go"));
    QCOMPARE(Rules().size(), QSize(506, 359));
    const Qt::WindowFlags flags = Rules().windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(Rules().minimumSize() != Rules().maximumSize());
    Choose("rules");
    QVERIFY(QTest::qWaitForWindowExposed(&Rules()));
    QCOMPARE(Memo()->geometry(), Rules().rect());
    Rules().resize(600, 420);
    QTRY_COMPARE(Memo()->geometry(), Rules().rect());
    QVERIFY(Memo()->isReadOnly());
    QCOMPARE(Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  }

  void RulesTextHasItsHeadingAndNineRules() {
    const QStringList paragraphs = Memo()->toPlainText().trimmed().split(QStringLiteral("\n\n"));
    QCOMPARE(paragraphs.size(), 10);
    QCOMPARE(paragraphs[0], QStringLiteral("Rules"));
    for (int rule = 1; rule <= 9; ++rule)
      QVERIFY2(paragraphs[rule].startsWith(QStringLiteral("%1. ").arg(rule)),
               qPrintable(paragraphs[rule]));
  }

  void RulesWindowComesBackAfterItIsClosed() {
    Choose("rules");
    QVERIFY(Rules().isVisible());
    Choose("rules");
    QVERIFY(Rules().isVisible());
    QVERIFY(Rules().close());
    QVERIFY(!Rules().isVisible());
    QVERIFY(windows_->Form1.isVisible());
    Choose("rules");
    QVERIFY(Rules().isVisible());
  }

  // Closing the main window ends the program even while a help window is open.
  void OnlyTheMainWindowKeepsTheProgramRunning() {
    QVERIFY(windows_->Form1.testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!Rules().testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!About().testAttribute(Qt::WA_QuitOnClose));
  }

  void HowToDoesNothing() {
    QAction* tips = windows_->Form1.findChild<QAction*>(QStringLiteral("tips"));
    tips->trigger();
    QVERIFY(!Rules().isVisible());
    QVERIFY(!About().isVisible());
  }

  void AboutDialogIsFixedWithOnlyTheSystemMenu() {
    QCOMPARE(About().windowTitle(), QStringLiteral("About"));
    QCOMPARE(About().size(), QSize(235, 189));
    QCOMPARE(About().minimumSize(), About().maximumSize());
    const Qt::WindowFlags flags = About().windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  }

  void AboutControlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");  // Empty for the author's lines, which are ours.
    QTest::newRow("Panel1") << "Panel1"
                            << "TAboutBox" << QRect(8, 8, 217, 137) << QString();
    QTest::newRow("ProgramIcon") << "ProgramIcon"
                                 << "Panel1" << QRect(16, 8, 32, 32) << QString();
    QTest::newRow("StaticText1") << "StaticText1"
                                 << "Panel1" << QRect(72, 8, 97, 17) << " Go Game program";
    QTest::newRow("Version") << "Version"
                             << "Panel1" << QRect(80, 32, 56, 13) << "Version: 1.0";
    QTest::newRow("Label1") << "Label1"
                            << "Panel1" << QRect(48, 64, 118, 13) << QString();
    QTest::newRow("Label2") << "Label2"
                            << "Panel1" << QRect(64, 80, 80, 13) << QString();
    QTest::newRow("Label3") << "Label3"
                            << "Panel1" << QRect(48, 112, 114, 13) << QString();
    QTest::newRow("OKButton") << "OKButton"
                              << "TAboutBox" << QRect(79, 156, 75, 25) << "OK";
  }

  void AboutControlsSitWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto* control = About().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && name != "ProgramIcon") {
      QVERIFY(!label->text().isEmpty());
      if (!text.isEmpty()) QCOMPARE(label->text(), text);
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      QCOMPARE(button->text(), text);
      QVERIFY(button->isDefault());
    }
  }

  void AboutShowsTheProgramIconAndAnAddress() {
    const QLabel* icon = About().findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));
    const QLabel* mail = About().findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(mail->text().contains(QLatin1Char('@')));
    const QLabel* name = About().findChild<QLabel*>(QStringLiteral("StaticText1"));
    QCOMPARE(name->frameShadow(), QFrame::Sunken);
  }

  void AboutHidesOnOkCloseAndEnter() {
    Choose("about");
    QVERIFY(About().isVisible());
    QTest::mouseClick(About().findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QVERIFY(!About().isVisible());
    Choose("about");
    QVERIFY(About().close());
    QVERIFY(!About().isVisible());
    Choose("about");
    QApplication::setActiveWindow(&About());
    QTest::keyClick(&About(), Qt::Key_Return);
    QVERIFY(!About().isVisible());
  }

  void AboutHidesWhenAnotherWindowIsActivated() {
    Choose("about");
    QTRY_VERIFY(About().isActiveWindow());
    QApplication::setActiveWindow(&windows_->Form1);
    QTRY_VERIFY(!About().isVisible());
    Choose("about");
    QTRY_VERIFY(About().isActiveWindow());
    Choose("rules");
    QTRY_VERIFY(!About().isVisible());
  }
};

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
