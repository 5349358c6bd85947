#include "message_prompt.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <memory>

#include "cp1252.h"
#include "quillet_strings.h"
#include "torvlink.h"

namespace quillet {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

MessageResult fromQt(int button) {
    switch (button) {
    case QMessageBox::Ok: return MessageResult::Ok;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Cancel;
    }
}

MessageIcon fromLibraryIcon(int32_t icon) {
    switch (icon) {
    case TORVLINK_ICON_INFORMATION: return MessageIcon::Information;
    case TORVLINK_ICON_QUESTION: return MessageIcon::Question;
    case TORVLINK_ICON_WARNING: return MessageIcon::Exclamation;
    default: return MessageIcon::None;
    }
}

int32_t libraryMessage(void *user, const char *caption, const char *text, int32_t icon) {
    auto *prompt = static_cast<UserPrompt *>(user);
    prompt->show(toUtf8(fromCp1252(caption)), toUtf8(fromCp1252(text)), fromLibraryIcon(icon), MessageButtons::Ok);
    return 1;  // OK, the only button
}

void libraryBusy(void *, int32_t on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// A message box sizes itself to its text, so a short text under a long
// caption cut the caption ("Identifyin... tester"). A spacer across its
// layout keeps it as wide as the caption plus the title bar's buttons.
void keepCaptionWhole(QMessageBox &box, const QString &caption) {
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid) return;
    constexpr int kTitleBarButtons = 140;  // icon, close and the frame's margins
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);  // title bars often draw their caption bold
    const int width = QFontMetrics(titleFont).horizontalAdvance(caption);
    grid->addItem(new QSpacerItem(width + kTitleBarButtons, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QString appTitle() {
    return QString::fromUtf8(resourceString(ids::kAppTitle));
}

QMessageBox *makeMessageBox(QWidget *parent, const QString &caption, const QString &text, MessageIcon icon,
                            MessageButtons buttons) {
    auto *box = new QMessageBox(qtIcon(icon), caption, text, qtButtons(buttons), parent);
    if (buttons == MessageButtons::OkCancel) box->setDefaultButton(QMessageBox::Ok);
    keepCaptionWhole(*box, caption);
    return box;
}

MessageResult QtUserPrompt::show(const std::string &caption, const std::string &text, MessageIcon icon,
                                 MessageButtons buttons) {
    QWidget *parent = parent_ ? parent_.data() : QApplication::activeWindow();
    std::unique_ptr<QMessageBox> box(makeMessageBox(parent, fromUtf8(caption), fromUtf8(text), icon, buttons));
    // A message asked while the library shows the wait cursor must still
    // be answerable with the ordinary pointer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box->exec();
    QApplication::restoreOverrideCursor();
    return fromQt(button);
}

void installLinkHooks(UserPrompt &prompt) {
    TorvlinkSetMessageHandler(&libraryMessage, &prompt);
    TorvlinkSetBusyHandler(&libraryBusy, nullptr);
}

void removeLinkHooks() {
    TorvlinkSetMessageHandler(nullptr, nullptr);
    TorvlinkSetBusyHandler(nullptr, nullptr);
}

}  // namespace quillet
