// The main window as the user first sees it: every control where the layout puts it, with its
// name and text, the menus in order, the window's frame, font and title, and no text clipped.
#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "app/window_look.h"
#include "app_test_support.h"

namespace {

enum class Kind { Label, FramedText, SizingText, Button, Picture };

}  // namespace

Q_DECLARE_METATYPE(Kind)

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramWindows> windows_;

  TForm1& Form() { return windows_->Form1; }
  QWidget* Client() { return Form().centralWidget(); }

  template <typename Widget>
  Widget* Control(const char* name) {
    auto* widget = Client()->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }

  static void AddControlRow(const char* name, Kind kind, QRect geometry, const QString& text) {
    QTest::newRow(name) << QString::fromLatin1(name) << kind << geometry << text;
  }

 private slots:
  void initTestCase() {
    PrepareApplication();
    windows_ = std::make_unique<ProgramWindows>(PictureFolder());
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form()));
  }

  void ControlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QRect>("geometry");  // For a sizing text only the position counts.
    QTest::addColumn<QString>("text");
    AddControlRow("StaticText4", Kind::SizingText, QRect(120, 0, 126, 17),
                  QStringLiteral("Go game for two partners"));
    AddControlRow("Label4", Kind::Label, QRect(432, 0, 33, 13), QStringLiteral("In turn "));
    AddControlRow("Image1", Kind::Picture, QRect(16, 24, 345, 375), QString());
    AddControlRow("Label6", Kind::Label, QRect(392, 40, 58, 13), QStringLiteral("Black points"));
    AddControlRow("Black_Terr", Kind::FramedText, QRect(416, 56, 33, 17), QStringLiteral("0"));
    AddControlRow("Label5", Kind::Label, QRect(392, 104, 59, 13), QStringLiteral("White points"));
    AddControlRow("White_Terr", Kind::FramedText, QRect(416, 120, 33, 17), QStringLiteral("0"));
    AddControlRow("Label3", Kind::Label, QRect(392, 184, 63, 13), QStringLiteral("Current move"));
    AddControlRow("StaticText3", Kind::FramedText, QRect(416, 200, 34, 17), QStringLiteral("0"));
    AddControlRow("StaticText1", Kind::SizingText, QRect(384, 224, 4, 4), QString());
    AddControlRow("Button1", Kind::Button, QRect(400, 264, 59, 25), QStringLiteral("Pass"));
    AddControlRow("Button2", Kind::Button, QRect(400, 312, 59, 25), QStringLiteral("Undo"));
    AddControlRow("Button3", Kind::Button, QRect(400, 360, 59, 25), QStringLiteral("Clear All"));
  }

  void ControlsSitWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(Kind, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QWidget* control = Client()->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->parentWidget(), Client());
    switch (kind) {
      case Kind::Button:
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(qobject_cast<QAbstractButton*>(control)->text(), text);
        break;
      case Kind::Picture:
        QCOMPARE(control->geometry(), geometry);
        QVERIFY(control->toolTip().isEmpty());
        break;
      case Kind::SizingText: {
        auto* label = qobject_cast<QLabel*>(control);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), geometry.topLeft());
        const QSize textSize =
            text.isEmpty() ? QSize(0, 0) : label->fontMetrics().size(Qt::TextSingleLine, text);
        QCOMPARE(label->size(), textSize + QSize(4, 4));
        break;
      }
      case Kind::FramedText: {
        auto* label = qobject_cast<QLabel*>(control);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->frameShape(), QFrame::Panel);
        QCOMPARE(label->frameShadow(), QFrame::Sunken);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        break;
      }
      case Kind::Label: {
        auto* label = qobject_cast<QLabel*>(control);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        break;
      }
    }
  }

  void NoTextIsClipped() {
    const QList<QWidget*> windows{&windows_->Form1, &windows_->Form2, &windows_->AboutBox};
    for (QWidget* window : windows) {
      for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QSize needed = label->sizeHint();
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->objectName()));
      }
      for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QFontMetrics metrics = button->fontMetrics();
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        QVERIFY2(
            metrics.horizontalAdvance(button->text()) + 2 * (margin + frame) <= button->width(),
            qPrintable(button->objectName()));
        QVERIFY2(metrics.height() + 2 * frame <= button->height(),
                 qPrintable(button->objectName()));
      }
    }
  }

  // The substitute of the layout's font is chosen among installed families by pixel size.
  void WindowsUseTheLayoutFontOrItsSubstitute() {
    const QFont font = WindowFont();
    QVERIFY(QFontDatabase::families().contains(font.family()));
    QVERIFY(font.pixelSize() >= 9 && font.pixelSize() <= 11);
    QCOMPARE(Form().font(), font);
    QCOMPARE(Control<QLabel>("Label3")->font(), font);
    QCOMPARE(windows_->Form2.font(), font);
    QCOMPARE(windows_->AboutBox.font(), font);
  }

  void WindowIsFixedWithoutMaximiseAndCentred() {
    QCOMPARE(Form().windowTitle(), QStringLiteral("Zada Da and have fun"));
    QCOMPARE(Client()->size(), QSize(481, 413));
    QCOMPARE(Client()->geometry().top(), Form().menuBar()->geometry().bottom() + 1);
    QCOMPARE(Form().minimumSize(), Form().maximumSize());
    const Qt::WindowFlags flags = Form().windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint screenCentre = Form().screen()->availableGeometry().center();
    // The window system adds its frame after the window is placed, which may shift it a little.
    const QSize frame = Form().frameGeometry().size() - Form().size();
    QVERIFY((Form().frameGeometry().center() - screenCentre).manhattanLength() <=
            frame.width() + frame.height() + 2);
  }

  void ApplicationHasItsIcon() {
    QVERIFY(!QApplication::windowIcon().isNull());
    QCOMPARE(QApplication::windowIcon().availableSizes().value(0), QSize(32, 32));
  }

  void BackgroundIsTheButtonFace() {
    const QPalette palette = Form().palette();
    QCOMPARE(palette.color(QPalette::Window), palette.color(QPalette::Button));
  }

  void MenusHoldTheirItemsInOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::newRow("Game") << QStringLiteral("Game1")
                          << QStringList{"pbso", "pwso", "cwbc", "ctb", "ctw", "ctbw"}
                          << QStringList{"Placing black stones only", "Placing White stones only",
                                         "Let's begin to play go!",   "Computer takes Black !",
                                         "Computer takes White !",    "Computer takes both colors!"}
                          << QList<bool>{true, true, true, true, true, true};
    QTest::newRow("Help") << QStringLiteral("Help1") << QStringList{"rules", "tips", "about"}
                          << QStringList{"Rules of Go", "How to ...", "About the program"}
                          << QList<bool>{true, false, true};
  }

  void MenusHoldTheirItemsInOrder() {
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, enabled);
    auto* items = Form().findChild<QMenu*>(menu);
    QVERIFY(items != nullptr);
    QList<QAction*> actions = items->actions();
    // What follows the layout's own items is set off by a separator (the Game menu's Pace).
    if (actions.size() > names.size()) {
      QVERIFY(actions[names.size()]->isSeparator());
      actions.resize(names.size());
    }
    QCOMPARE(actions.size(), names.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
      QCOMPARE(actions[i]->objectName(), names[i]);
      QCOMPARE(actions[i]->text(), texts[i]);
      QCOMPARE(actions[i]->isEnabled(), enabled[i]);
      QVERIFY(!actions[i]->isSeparator());
      QVERIFY(!actions[i]->isCheckable());
      QVERIFY(actions[i]->shortcut().isEmpty());
    }
  }

  void MenuBarHoldsGameThenHelp() {
    QMenuBar* bar = Form().menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
    const QList<QAction*> menus = bar->actions();
    QCOMPARE(menus.size(), 4);  // File, Game, View, Help.
    QCOMPARE(menus[1]->text(), QStringLiteral("Game"));
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("Game1"));
    QCOMPARE(menus[3]->text(), QStringLiteral("Help"));
    QCOMPARE(menus[3]->menu()->objectName(), QStringLiteral("Help1"));
  }

  void TabGoesFromButtonToButton() {
    QApplication::setActiveWindow(&Form());
    Control<QPushButton>("Button1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button3"));
  }

  // After start-up the board is fresh, shown unscaled from the top-left, and Black is in turn.
  void StartShowsTheFreshBoardAndBlackInTurn() {
    const QImage shown = Control<QWidget>("Image1")->grab().toImage();
    const QImage& board = Form().Canvas().BoardPicture;
    for (const QPoint& probe : {QPoint(0, 0), IntersectionPixel(0, 0), IntersectionPixel(9, 9),
                                IntersectionPixel(18, 18), QPoint(344, 374)})
      QCOMPARE(shown.pixel(probe), board.pixel(probe));
    const QImage client = Client()->grab().toImage();
    QCOMPARE(client.pixel(408, 8), Form().Canvas().BlackStone.pixel(StoneReach, StoneReach));
  }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
