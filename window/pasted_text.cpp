// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pasted_text.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <optional>
#include <ranges>
#include <string>

namespace zorvel {
namespace {

bool isInvisible(char32_t character) {
    switch (QChar::category(character)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// The text without the invisible characters at its ends: line breaks, tabs and the
// other control characters, and format characters such as a zero-width space or a
// byte-order mark. Blanks that show, a space or a no-break space, stay.
QString withoutInvisibleEnds(const QString& text) {
    const std::u32string characters = text.toStdU32String();
    const auto first = std::ranges::find_if_not(characters, isInvisible);
    const auto last = std::ranges::find_if_not(characters | std::views::reverse, isInvisible).base();
    return first < last ? QString::fromStdU32String(std::u32string(first, last)) : QString();
}

// A text with invisible ends is pasted here, trimmed; any other is left to Qt's paste.
class PasteTrimmer : public QObject {
public:
    explicit PasteTrimmer(QLineEdit& box) : QObject(&box), box_(box) { box.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (box_.isReadOnly()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Shift+Ctrl+Insert pastes the selection where the system has one.
            const bool selection = key->key() == Qt::Key_Insert &&
                                   key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                                   QGuiApplication::clipboard()->supportsSelection();
            return key->matches(QKeySequence::Paste) &&
                   pasteTrimmed(selection ? QClipboard::Selection : QClipboard::Clipboard);
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection() && trimmed(QClipboard::Selection)) {
                // Where the middle button was pressed, over any selection.
                box_.deselect();
                return pasteTrimmed(QClipboard::Selection);
            }
            return false;
        case QEvent::ContextMenu:
            showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
        }
    }

private:
    // The text to paste from `mode` when it has invisible ends.
    static std::optional<QString> trimmed(QClipboard::Mode mode) {
        const QString text = QGuiApplication::clipboard()->text(mode);
        QString kept = withoutInvisibleEnds(text);
        return kept.size() != text.size() ? std::optional(std::move(kept)) : std::nullopt;
    }

    // Whether the text was pasted here; as Qt does, an empty text replaces only a
    // selection.
    bool pasteTrimmed(QClipboard::Mode mode) {
        const std::optional<QString> text = trimmed(mode);
        if (!text) {
            return false;
        }
        if (!text->isEmpty() || box_.hasSelectedText()) {
            box_.insert(*text);
        }
        return true;
    }

    // The box's own menu, its paste going through the trim.
    void showMenu(QPoint at) {
        QMenu* menu = box_.createStandardContextMenu();
        if (QAction* paste = pasteAction(*menu)) {
            // Whether Qt connected it by pointer or, as Qt 6.4 does, by name.
            QObject::disconnect(paste, &QAction::triggered, &box_, nullptr);
            connect(paste, &QAction::triggered, this, [this] {
                if (!pasteTrimmed(QClipboard::Clipboard)) {
                    box_.paste();
                }
            });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }

    // Newer Qt names the menu's paste "edit-paste"; Qt 6.4 leaves it unnamed, and its
    // caption, in whatever language, is the one mark left: the caption can go when
    // every Qt the program is built against names the action.
    static QAction* pasteAction(const QMenu& menu) {
        const QList<QAction*> actions = menu.actions();
        const auto found = std::ranges::find_if(actions, [](const QAction* action) {
            return action->objectName() == QLatin1String("edit-paste") ||
                   action->text().startsWith(QLineEdit::tr("&Paste"));
        });
        return found != actions.end() ? *found : nullptr;
    }

    QLineEdit& box_;
};

} // namespace

void trimPastedText(QLineEdit& box) { new PasteTrimmer(box); }

} // namespace zorvel
