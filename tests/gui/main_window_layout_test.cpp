#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "main_window_fixture.h"
#include "media_control.h"

namespace ombrix::testing {
namespace {

using MainWindowLayoutTest = MainWindowTest;

// A loaded window, before its settings are asked.
TEST_F(MainWindowLayoutTest, TableStandsOnTheGridEmptyAndUnderItsHeaders) {
  form.Load();
  QWidget& window = *form.Window();
  EXPECT_EQ(window.size(), QSize(613, 512));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size(), 147);
  EXPECT_EQ(form.dosu(59)->geometry(), QRect(296, 400, 49, 25));
  EXPECT_EQ(form.dosu(55)->geometry().topLeft(), QPoint(104, 400));
  EXPECT_EQ(form.dosu(9)->geometry().topLeft(), QPoint(488, 64));
  for (int i = 1; i <= 63; ++i)
    EXPECT_TRUE(form.dosu(i) != nullptr && form.dosu(i)->text().isEmpty()) << i;
  EXPECT_TRUE(form.Label(3)->text().isEmpty());

  // Each header stands right above its cell; both ends of the value range are open.
  auto headerOver = [&](int index) -> QString {
    const QPoint corner = form.dosu(index)->pos() - QPoint(0, 24);
    for (QLabel* label : window.findChildren<QLabel*>()) {
      if (label->pos() == corner)
        return label->text();
    }
    return "<none>";
  };
  const std::pair<int, const char*> headers[] = {
      {1, "\uFF5E  -57"}, {9, "-50"}, {10, "-49"}, {59, "0"}, {63, "3  \uFF5E"}};
  for (const auto& [index, caption] : headers)
    EXPECT_EQ(headerOver(index), QString::fromUtf8(caption)) << index;
}

// What is drawn, not only what is set: the colours, the face and the icon.
TEST_F(MainWindowLayoutTest, LooksAsLaidOut) {
  form.Load();
  QWidget& window = *form.Window();
  EXPECT_EQ(window.geometry().topLeft(), QPoint(244, 99));
  EXPECT_TRUE(window.windowTitle().startsWith(QString::fromUtf8("Experiment of Ombrix 2\u3000")));
  const QImage image = window.grab().toImage();
  auto colourInside = [&](QWidget* widget) {
    return QColor(image.pixel(widget->geometry().topLeft() + QPoint(3, 3)));
  };
  EXPECT_EQ(colourInside(form.dosu(30)), QColor(Qt::white));
  EXPECT_EQ(colourInside(form.Label(84)), QColor(128, 255, 255));
  EXPECT_EQ(colourInside(form.Label(8)), window.palette().color(QPalette::Button));
  EXPECT_EQ(QFontInfo(form.dosu(1)->font()).family(), "IPAPGothic");
  EXPECT_DOUBLE_EQ(form.Label(7)->font().pointSizeF(), 9);
  const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 255);  // opaque blue ground in the corner
  EXPECT_GT(qBlue(icon.pixel(0, 0)), qRed(icon.pixel(0, 0)));
}

TEST_F(MainWindowLayoutTest, ButtonsTakeFocusInOrderNoneIsDefaultAndThePlayerIsHidden) {
  form.Load();
  form.Window()->show();
  form.Window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
  EXPECT_FALSE(form.MMControl1()->isVisible());
  const char* captions[] = {"Experiment Start", "Exit", "Init", "Help"};
  for (int number = 1; number <= 4; ++number) {
    EXPECT_EQ(form.Command(number)->text(), captions[number - 1]);
    EXPECT_FALSE(form.Command(number)->isDefault() || form.Command(number)->autoDefault());
  }
  EXPECT_EQ(QApplication::focusWidget(), form.Command(1));
  for (int next : {2, 3, 4, 1}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Command(next)) << next;
  }
  form.Unload();
}

}  // namespace
}  // namespace ombrix::testing
