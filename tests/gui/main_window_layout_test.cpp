#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "main_window_fixture.h"
#include "media_control.h"

namespace ombrix::testing {
namespace {

// The layout is checked on a loaded window before its settings are asked.
class MainWindowLayoutTest : public MainWindowTest {
 protected:
  void SetUp() override { form.Load(); }
  QWidget& Window() { return *form.Window(); }
};

TEST_F(MainWindowLayoutTest, WindowHasFixedClientAreaCaptionAndIcon) {
  EXPECT_EQ(Window().size(), QSize(613, 512));
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
  EXPECT_EQ(Window().geometry().topLeft(), QPoint(244, 99));
  EXPECT_TRUE(Window().windowTitle().startsWith(QString::fromUtf8("Experiment of Ombrix 2\u3000")));
  EXPECT_GT(Window().windowTitle().size(), QString("Experiment of Ombrix 2 ").size());
  const QImage icon = Window().windowIcon().pixmap(32, 32).toImage();
  ASSERT_EQ(icon.size(), QSize(32, 32));
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 255);  // fully opaque, blue ground in the corner
  EXPECT_GT(qBlue(icon.pixel(0, 0)), qRed(icon.pixel(0, 0)));
}

TEST_F(MainWindowLayoutTest, CountCellsStandOnTheGridAndStartEmpty) {
  EXPECT_EQ(form.dosu(59)->geometry(), QRect(296, 400, 49, 25));
  EXPECT_EQ(form.dosu(55)->geometry().topLeft(), QPoint(104, 400));
  EXPECT_EQ(form.dosu(9)->geometry().topLeft(), QPoint(488, 64));
  EXPECT_EQ(form.dosu(1)->geometry().topLeft(), QPoint(104, 64));
  EXPECT_EQ(form.dosu(0), nullptr);
  EXPECT_EQ(form.dosu(64), nullptr);
  for (int i = 1; i <= 63; ++i) {
    QLabel* cell = form.dosu(i);
    ASSERT_NE(cell, nullptr) << i;
    EXPECT_TRUE(cell->text().isEmpty()) << i;
    EXPECT_EQ(cell->palette().color(QPalette::Window), QColor(Qt::white)) << i;
    // Neighbours overlap by one pixel so their borders make single grid lines.
    if (i % 9 != 0) {
      EXPECT_EQ(form.dosu(i + 1)->x(), cell->geometry().right()) << i;
    }
  }
  EXPECT_TRUE(form.Label(3)->text().isEmpty());
  EXPECT_TRUE(form.Label(82)->text().isEmpty());
  EXPECT_TRUE(form.Label(2)->text().isEmpty());
}

TEST_F(MainWindowLayoutTest, HeadersNameTheValueCountedBelowThem) {
  // Each header stands right above its cell; both ends of the value range are open.
  auto headerOver = [&](int index) -> QLabel* {
    const QPoint headerCorner = form.dosu(index)->pos() - QPoint(0, 24);
    for (QLabel* label : Window().findChildren<QLabel*>()) {
      if (label->pos() == headerCorner)
        return label;
    }
    return nullptr;
  };
  const std::pair<int, const char*> expected[] = {
      {1, "\uFF5E  -57"}, {2, "-57"}, {9, "-50"}, {10, "-49"},      {58, "-1"},
      {59, "0"},          {60, "1"},  {62, "3"},  {63, "3  \uFF5E"}};
  for (const auto& [index, caption] : expected) {
    QLabel* header = headerOver(index);
    ASSERT_NE(header, nullptr) << index;
    EXPECT_EQ(header->text(), QString::fromUtf8(caption)) << index;
  }
  EXPECT_EQ(form.Label(7)->text(), QString::fromUtf8("\uFF5E  -57"));
  EXPECT_EQ(form.Label(81)->text(), QString::fromUtf8("3  \uFF5E"));
  EXPECT_EQ(form.Label(77)->text(), "0");
  EXPECT_EQ(form.Label(28)->text(), "-49");
  EXPECT_DOUBLE_EQ(form.Label(7)->font().pointSizeF(), 9);
  EXPECT_DOUBLE_EQ(form.Label(8)->font().pointSizeF(), 14.25);
}

TEST_F(MainWindowLayoutTest, EveryLabelHasItsCaptionFontAndLook) {
  const auto labels = Window().findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  EXPECT_EQ(labels.size(), 147);
  for (QLabel* label : labels) {
    EXPECT_EQ(label->alignment(), Qt::AlignCenter) << label->objectName().toStdString();
    EXPECT_FALSE(label->wordWrap());
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(label->font().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    EXPECT_FALSE(label->font().italic());
  }
  int shortage = 0;
  int frequency = 0;
  for (QLabel* label : labels) {
    shortage += label->text() == "Shortage";
    frequency += label->text() == "Frequency";
  }
  EXPECT_EQ(shortage, 7);
  EXPECT_EQ(frequency, 7);
  EXPECT_EQ(form.Label(84)->text(), "Experiment of Ombrix (Part 2)");
  EXPECT_EQ(form.Label(84)->palette().color(QPalette::Window), QColor(128, 255, 255));
  EXPECT_EQ(form.Label(84)->frameShadow(), QFrame::Plain);
  EXPECT_EQ(form.Label(83)->frameShadow(), QFrame::Sunken);
  EXPECT_TRUE(form.Label(84)->font().bold());
  EXPECT_EQ(form.Label(83)->text(), "Number of guests");
  EXPECT_EQ(form.Label(1)->text(), "Number of experiments");
  EXPECT_EQ(form.Label(4)->text(), "Average of shortage");
  EXPECT_EQ(form.Label(26)->geometry(), QRect(16, 376, 89, 25));
  EXPECT_EQ(form.Label(27)->geometry(), QRect(16, 400, 89, 25));
}

TEST_F(MainWindowLayoutTest, BackgroundsAreDrawnInTheirColours) {
  const QImage image = Window().grab().toImage();
  auto colourInside = [&](QWidget* widget) {
    return QColor(image.pixel(widget->geometry().topLeft() + QPoint(3, 3)));
  };
  EXPECT_EQ(colourInside(form.dosu(30)), QColor(Qt::white));
  EXPECT_EQ(colourInside(form.Label(82)), QColor(Qt::white));
  EXPECT_EQ(colourInside(form.Label(84)), QColor(128, 255, 255));
  const QColor buttonFace = Window().palette().color(QPalette::Button);
  EXPECT_EQ(colourInside(form.Label(8)), buttonFace);
  EXPECT_EQ(QColor(image.pixel(600, 300)), buttonFace);  // the window itself
}

TEST_F(MainWindowLayoutTest, TheJapaneseFaceIsMappedToAnInstalledOne) {
  const QFontInfo info(form.dosu(1)->font());
  EXPECT_EQ(info.family(), "IPAPGothic");
}

TEST_F(MainWindowLayoutTest, ButtonsTakeFocusInOrderAndNoneIsDefault) {
  const char* captions[] = {"Experiment Start", "Exit", "Init", "Help"};
  for (int number = 1; number <= 4; ++number) {
    QPushButton* button = form.Command(number);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), captions[number - 1]);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
  Window().show();
  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  EXPECT_EQ(QApplication::focusWidget(), form.Command(1));
  for (int next : {2, 3, 4, 1}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Command(next)) << next;
  }
  EXPECT_EQ(form.Command(2)->geometry(), QRect(0, 0, 57, 25));
  EXPECT_EQ(form.Command(1)->geometry(), QRect(512, 448, 97, 41));
  // Help and Init share one pixel, so their edges touch.
  EXPECT_EQ(form.Command(4)->geometry().right(), form.Command(3)->x());
}

TEST_F(MainWindowLayoutTest, MediaControlIsNeverSeenAndNeverFocused) {
  Window().show();
  Window().activateWindow();
  QApplication::processEvents();
  MediaControl* player = form.MMControl1();
  ASSERT_NE(player, nullptr);
  EXPECT_FALSE(player->isVisible());
  EXPECT_EQ(player->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(QApplication::focusWidget(), form.Command(1));
  form.Unload();
}

}  // namespace
}  // namespace ombrix::testing
