// The validating edit fields of the plot dialogs: each refuses characters
// outside its class as they are typed and checks its whole text when the
// dialog is closed, telling the user what is wrong and keeping the focus.
#pragma once

#include <QLineEdit>
#include <QValidator>
#include <string>

#include "number_format.h"
#include "user_interaction.h"

namespace quillet {

// Admits the characters of a class pattern ("0-9eE+-") up to a length.
class CharClassValidator : public QValidator {
public:
    CharClassValidator(const std::string &pattern, int maxLength, QObject *parent);
    State validate(QString &input, int &pos) const override;

private:
    QString allowed_;
    int maxLength_;
};

class CValidatingEdit : public QLineEdit {
    Q_OBJECT
public:
    CValidatingEdit(const std::string &pattern, int maxLength, QWidget *parent);
    void setPrompt(UserPrompt *prompt) { prompt_ = prompt; }

protected:
    // Shows the failure, beeping when asked, and keeps the focus.
    bool fail(const std::string &text, bool beep);

private:
    UserPrompt *prompt_ = nullptr;
};

// Free text of `minLength` to `maxLength` characters of a class.
class CTextEdit : public CValidatingEdit {
    Q_OBJECT
public:
    CTextEdit(const std::string &pattern, int minLength, int maxLength, QWidget *parent);
    bool check();

private:
    int minLength_, maxLength_;
};

// A real number within bounds, the user's decimal separator accepted.
class CRealEdit : public CValidatingEdit {
    Q_OBJECT
public:
    CRealEdit(const NumberFormat &format, double minimum, double maximum, QWidget *parent);
    void setValue(double value);
    bool check(double &value);

private:
    NumberFormat format_;
    double minimum_, maximum_;
};

// An integer within bounds.
class CIntEdit : public CValidatingEdit {
    Q_OBJECT
public:
    CIntEdit(long minimum, long maximum, QWidget *parent);
    bool check(long &value);

private:
    long minimum_, maximum_;
};

// "DD/MM/YY HH:MM:SS" within bounds (seconds since 1970), or "HH:MM:SS".
class CDateEdit : public CValidatingEdit {
    Q_OBJECT
public:
    CDateEdit(double minimum, double maximum, QWidget *parent);
    bool check(double &seconds);

private:
    double minimum_, maximum_;
};

class CTimeEdit : public CValidatingEdit {
    Q_OBJECT
public:
    explicit CTimeEdit(QWidget *parent);
    bool check(double &seconds);
};

}  // namespace quillet
