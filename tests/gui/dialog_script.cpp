#include "dialog_script.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
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

DialogScript& DialogScript::Type(const QString& text) {
  steps_.push_back({SeenDialog::Kind::Input, [text](QWidget* dialog) {
                      auto* edit = dialog->findChild<QLineEdit*>();
                      edit->selectAll();
                      QTest::keyClick(edit, Qt::Key_Delete);
                      QTest::keyClicks(edit, text);
                      ClickButton(dialog, QDialogButtonBox::Ok);
                    }});
  return *this;
}

DialogScript& DialogScript::TypeAndPress(const QString& text, Qt::Key key) {
  steps_.push_back({SeenDialog::Kind::Input, [text, key](QWidget* dialog) {
                      auto* edit = dialog->findChild<QLineEdit*>();
                      edit->selectAll();
                      QTest::keyClicks(edit, text);
                      QTest::keyClick(edit, key);
                    }});
  return *this;
}

DialogScript& DialogScript::Cancel() {
  steps_.push_back({SeenDialog::Kind::Input,
                    [](QWidget* dialog) { ClickButton(dialog, QDialogButtonBox::Cancel); }});
  return *this;
}

DialogScript& DialogScript::CloseWindow() {
  steps_.push_back({SeenDialog::Kind::Input, [](QWidget* dialog) { dialog->close(); }});
  return *this;
}

DialogScript& DialogScript::PressOk() {
  steps_.push_back({SeenDialog::Kind::Message, [](QWidget* dialog) {
                      auto* box = static_cast<QMessageBox*>(dialog);
                      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                    }});
  return *this;
}

DialogScript& DialogScript::PressEscape() {
  steps_.push_back({SeenDialog::Kind::Message,
                    [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }});
  return *this;
}

DialogScript& DialogScript::CloseMessage() {
  steps_.push_back({SeenDialog::Kind::Message, [](QWidget* dialog) { dialog->close(); }});
  return *this;
}

DialogScript& DialogScript::Observe(std::function<QString()> observer) {
  observer_ = std::move(observer);
  return *this;
}

std::vector<QString> DialogScript::Titles() const {
  std::vector<QString> titles;
  for (const SeenDialog& dialog : seen_)
    titles.push_back(dialog.title);
  return titles;
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
