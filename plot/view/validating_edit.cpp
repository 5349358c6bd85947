#include "validating_edit.h"

#include <QApplication>
#include <cstdio>

#include "edit_rules.h"
#include "message_prompt.h"
#include "plot_format.h"
#include "plot_texts.h"
#include "quillet_strings.h"

namespace quillet {
namespace {

// The framework's own range messages (its texts 61714 and 61715).
std::string rangeMessage(bool integer, const std::string &low, const std::string &high) {
    return std::string(integer ? "Please enter an integer between " : "Please enter a number between ") + low + " and " +
           high + ".";
}

}  // namespace

CharClassValidator::CharClassValidator(const std::string &pattern, int maxLength, QObject *parent)
    : QValidator(parent), allowed_(QString::fromLatin1(plot::expandCharClass(pattern))), maxLength_(maxLength) {}

QValidator::State CharClassValidator::validate(QString &input, int &) const {
    if (input.size() > maxLength_) return Invalid;
    for (const QChar c : input) {
        if (!allowed_.contains(c)) return Invalid;
    }
    return Acceptable;
}

CValidatingEdit::CValidatingEdit(const std::string &pattern, int maxLength, QWidget *parent) : QLineEdit(parent) {
    setMaxLength(maxLength);
    setValidator(new CharClassValidator(pattern, maxLength, this));
}

bool CValidatingEdit::fail(const std::string &text, bool beep) {
    if (beep) QApplication::beep();
    QtUserPrompt screen(this);
    UserPrompt &prompt = prompt_ ? *prompt_ : static_cast<UserPrompt &>(screen);
    prompt.show(appTitle().toStdString(), text, MessageIcon::Exclamation, MessageButtons::Ok);
    setFocus();
    selectAll();
    return false;
}

CTextEdit::CTextEdit(const std::string &pattern, int minLength, int maxLength, QWidget *parent)
    : CValidatingEdit(pattern, maxLength, parent), minLength_(minLength), maxLength_(maxLength) {}

bool CTextEdit::check() {
    const auto length = text().size();
    if (length < minLength_) return fail(formatResource(plot::texts::kTextTooShort, std::to_string(minLength_)), false);
    if (length > maxLength_) return fail(formatResource(plot::texts::kTextTooLong, std::to_string(maxLength_)), false);
    return true;
}

CRealEdit::CRealEdit(const NumberFormat &format, double minimum, double maximum, QWidget *parent)
    : CValidatingEdit(std::string(plot::charclass::kReal) + format.separator(), 79, parent), format_(format),
      minimum_(minimum), maximum_(maximum) {}

void CRealEdit::setValue(double value) { setText(QString::fromStdString(format_.automatic(value, true))); }

bool CRealEdit::check(double &value) {
    value = format_.parse(text().trimmed().toStdString());
    if (text().trimmed().isEmpty() || value == NumberFormat::kNotANumber || value < minimum_ || value > maximum_) {
        return fail(rangeMessage(false, format_.general(minimum_, 15), format_.general(maximum_, 15)), true);
    }
    return true;
}

CIntEdit::CIntEdit(long minimum, long maximum, QWidget *parent)
    : CValidatingEdit(plot::charclass::kInteger, 11, parent), minimum_(minimum), maximum_(maximum) {}

bool CIntEdit::check(long &value) {
    bool ok = false;
    value = text().trimmed().toLong(&ok);
    if (!ok || value < minimum_ || value > maximum_) {
        return fail(rangeMessage(true, std::to_string(minimum_), std::to_string(maximum_)), false);
    }
    return true;
}

CDateEdit::CDateEdit(double minimum, double maximum, QWidget *parent)
    : CValidatingEdit(plot::charclass::kDate, 17, parent), minimum_(minimum), maximum_(maximum) {}

bool CDateEdit::check(double &seconds) {
    const auto parsed = plot::parseDateTime(text().toStdString());
    if (!parsed) return fail(resourceString(plot::texts::kDateFormat), false);
    if (*parsed < minimum_ || *parsed > maximum_) {
        const plot::DateText low = plot::formatDate(minimum_), high = plot::formatDate(maximum_);
        return fail(formatResource(plot::texts::kDateBetween, low.date + ' ' + low.time, high.date + ' ' + high.time), true);
    }
    seconds = *parsed;
    return true;
}

CTimeEdit::CTimeEdit(QWidget *parent) : CValidatingEdit(plot::charclass::kTime, 8, parent) {}

bool CTimeEdit::check(double &seconds) {
    const auto parsed = plot::parseTimeOfDay(text().toStdString());
    if (!parsed) return fail(resourceString(plot::texts::kTimeFormat), false);
    seconds = *parsed;
    return true;
}

}  // namespace quillet
