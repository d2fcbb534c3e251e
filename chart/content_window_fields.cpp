// The setup's fields are the working copy of the session's first name and
// dates: taken from it when the window is made or a load comes, and keeping it
// in step at every change, so that nothing else needs the window.
#include "chart/content_window.h"

void ContentWindow::keepFieldsInStep() {
  if (session_.hasFields()) {
    takeSessionFields();
  } else {
    session_.setProjectionDate(projectionDateField->text());
    session_.setFirstName(firstNameField->text());
    session_.setBirthDate(birthDateField->text());
  }
  showTodayPower();
  connect(firstNameField, &QLineEdit::textChanged, &session_, &Session::setFirstName);
  // A date field's text is its own (blanks in empty places), not the shown
  // one with its "_".
  connect(birthDateField, &QLineEdit::textChanged, &session_,
          [this] { session_.setBirthDate(birthDateField->text()); });
  connect(projectionDateField, &QLineEdit::textChanged, &session_,
          [this] { session_.setProjectionDate(projectionDateField->text()); });
  connect(&session_, &Session::fieldsLoaded, this, &ContentWindow::takeSessionFields);
  connect(&session_, &Session::todayPowerShown, this, &ContentWindow::showTodayPower);
}

void ContentWindow::takeSessionFields() {
  // Copies first: each setText writes back into the session.
  const QString projection = session_.projectionDate(), name = session_.firstName(),
                birth = session_.birthDate();
  projectionDateField->setText(projection);
  firstNameField->setText(name);
  birthDateField->setText(birth);
}
