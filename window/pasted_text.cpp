// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pasted_text.h"

#include "evaluation/blanks.h"

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
#include <string>

namespace zorvel {
namespace {

// The text without the invisible characters at its ends; blanks that show stay.
QString withoutInvisibleEnds(const QString& text) {
    const std::u32string characters = text.toStdU32String();
    return QString::fromStdU32String(std::u32string(zorvel::withoutInvisibleEnds(characters)));
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

    // The box's own menu, its paste going through the trim. Qt's menu calls
    // QLineEdit::paste(), which is not virtual and inserts the clipboard as it is (Qt
    // 6.4); this can go when a line edit lets its owner change what a paste inserts.
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
