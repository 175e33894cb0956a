#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace ombrix::testing {

// What a modal dialog showed when the script answered it.
struct SeenDialog {
  enum class Kind { Input, Message } kind;
  QString title;
  QString prompt;
  QString defaultText;  // the edit field's text as the dialog opened (input dialogs)
  QString note;         // whatever the step's observer recorded at that moment
};

// Answers the real modal dialogs of the program as they open, one scripted step each, by
// typing and clicking with QTest.
class DialogScript : public QObject {
 public:
  DialogScript();

  // Input dialog: replace the text, then press OK.
  DialogScript& Type(const QString& text);
  // Input dialog: replace the text, then press a key (Enter answers OK, Esc cancels).
  DialogScript& TypeAndPress(const QString& text, Qt::Key key);
  // Input dialog: press Cancel, or close it through its title bar.
  DialogScript& Cancel();
  DialogScript& CloseWindow();
  // Message box: press OK, press Esc, or close it through its title bar.
  DialogScript& PressOk();
  DialogScript& PressEscape();
  DialogScript& CloseMessage();
  // Records a note about the program's state when the next dialog opens.
  DialogScript& Observe(std::function<QString()> observer);

  bool Finished() const { return steps_.empty(); }
  const std::vector<SeenDialog>& Seen() const { return seen_; }

  // Waits until every step has been used and no dialog is open.
  bool WaitUntilFinished(int timeoutMs = 5000) const;

 private:
  struct Step {
    SeenDialog::Kind expected;
    std::function<void(QWidget*)> act;
  };
  DialogScript& Add(SeenDialog::Kind kind, std::function<void(QWidget*)> act);
  void Poll();

  std::deque<Step> steps_;
  std::vector<SeenDialog> seen_;
  std::function<QString()> observer_;
  QTimer timer_;
};

}  // namespace ombrix::testing
