#pragma once
// The program's application object. Every event is delivered through DeliverShowingErrors, so an
// error raised in any event handler is shown in a message box titled "Sorrelwind" and the program
// goes on. Creating it also names the application (the per-user folders take that name), ties it
// to its desktop entry and icon, and installs the font substitutes, before any widget exists.
#include <QApplication>
#include <utility>

#include "ui/platform/loop_errors.h"

class TSWApplication : public QApplication {
 public:
  TSWApplication(int& argc, char** argv);

  // Replaces the message box, e.g. for tests, which must not wait for a modal box.
  void SetErrorPresenter(TErrorPresenter presenter) { presenter_ = std::move(presenter); }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  TErrorPresenter presenter_;
};
