#include "dialog_script.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace ombrix::testing {
namespace {

void ClickButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
  auto* box = dialog->findChild<QDialogButtonBox*>();
  if (box == nullptr || box->button(which) == nullptr)
    return;
  QTest::mouseClick(box->button(which), Qt::LeftButton);
}

}  // namespace

DialogScript::DialogScript() {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, &DialogScript::Poll);
  timer_.start();
}

DialogScript& DialogScript::Add(SeenDialog::Kind kind, std::function<void(QWidget*)> act) {
  steps_.push_back({kind, std::move(act)});
  return *this;
}

DialogScript& DialogScript::Type(const QString& text) {
  return Add(SeenDialog::Kind::Input, [text](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    ClickButton(dialog, QDialogButtonBox::Ok);
  });
}

DialogScript& DialogScript::TypeAndPress(const QString& text, Qt::Key key) {
  return Add(SeenDialog::Kind::Input, [text, key](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, key);
  });
}

DialogScript& DialogScript::Cancel() {
  return Add(SeenDialog::Kind::Input,
             [](QWidget* dialog) { ClickButton(dialog, QDialogButtonBox::Cancel); });
}

DialogScript& DialogScript::CloseWindow() {
  return Add(SeenDialog::Kind::Input, [](QWidget* dialog) { dialog->close(); });
}

DialogScript& DialogScript::PressOk() {
  return Add(SeenDialog::Kind::Message,
             [](QWidget* dialog) { ClickButton(dialog, QDialogButtonBox::Ok); });
}

DialogScript& DialogScript::PressEscape() {
  return Add(SeenDialog::Kind::Message,
             [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
}

DialogScript& DialogScript::CloseMessage() {
  return Add(SeenDialog::Kind::Message, [](QWidget* dialog) { dialog->close(); });
}

DialogScript& DialogScript::Observe(std::function<QString()> observer) {
  observer_ = std::move(observer);
  return *this;
}

bool DialogScript::WaitUntilFinished(int timeoutMs) const {
  return QTest::qWaitFor(
      [this] { return Finished() && QApplication::activeModalWidget() == nullptr; }, timeoutMs);
}

void DialogScript::Poll() {
  QWidget* dialog = QApplication::activeModalWidget();
  // Each dialog is answered once; a re-asked dialog is a new object, maybe at the same address.
  if (dialog == nullptr || !dialog->isVisible() || dialog->property("scriptSaw").toBool())
    return;
  dialog->setProperty("scriptSaw", true);

  SeenDialog seen{SeenDialog::Kind::Message, dialog->windowTitle(), {}, {}, {}};
  if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
    seen.kind = SeenDialog::Kind::Input;
    seen.prompt = input->labelText();
    seen.defaultText = input->findChild<QLineEdit*>()->text();
  } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    seen.prompt = box->text();
  }
  if (observer_)
    seen.note = observer_();
  seen_.push_back(seen);

  if (steps_.empty() || steps_.front().expected != seen.kind) {
    // Unexpected dialog: close it so the test fails on its assertions instead of hanging.
    dialog->close();
    return;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step.act(dialog);
}

}  // namespace ombrix::testing
