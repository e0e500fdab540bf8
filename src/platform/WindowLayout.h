// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <charconv>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/ControlRows.h"
#include "platform/Twips.h"

// Builds a window from its rows (platform/ControlRows.h) and wires them.
namespace plumbrule {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Makes one control of a standard kind; nothing for ControlKind::Special.
inline QWidget* MakeControl(ControlKind kind, QWidget* parent) {
    switch (kind) {
        case ControlKind::Button:
            return new QPushButton(parent);
        case ControlKind::Option:
            return new QRadioButton(parent);
        case ControlKind::Label:
        case ControlKind::Picture:
            return new QLabel(parent);
        case ControlKind::Frame:
            return new QGroupBox(parent);
        case ControlKind::List:
            return new QComboBox(parent);
        case ControlKind::Box:
            return new QLineEdit(parent);
        case ControlKind::Rule:
            return new QFrame(parent);
        case ControlKind::Special:
            break;
    }
    return nullptr;
}

// Gives a made control its row: objectName, place, caption, tooltip and
// accessible name. Descriptions are left alone: the tooltips, or the
// objectNames under PLUMBRULE_ACCESSIBLE_IDS=1.
inline void PlaceControl(QWidget& control, const ControlPlace& row) {
    control.setObjectName(ToQString(row.name));
    control.setGeometry(PixelRect(row.place));
    const QString caption = ToQString(row.caption);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        frame->setTitle(caption);
    }
    if (!row.toolTip.empty()) control.setToolTip(ToQString(row.toolTip));
    if (!row.accessibleName.empty()) control.setAccessibleName(ToQString(row.accessibleName));
}

// Builds every row of `layout` on `window`, in table order. A row whose `in`
// names a frame goes into that frame, which an earlier row made. Rows of kind
// Special are made by `makeSpecial(row, parent)`.
template <typename Layout>
void BuildLayout(QWidget& window, const Layout& layout,
                 const std::function<QWidget*(const ControlPlace&, QWidget*)>& makeSpecial = {}) {
    for (const ControlPlace& row : layout) {
        QWidget* parent = &window;
        if (!row.in.empty()) parent = window.findChild<QWidget*>(ToQString(row.in));
        QWidget* control = row.kind == ControlKind::Special && makeSpecial
                               ? makeSpecial(row, parent)
                               : MakeControl(row.kind, parent);
        if (control) PlaceControl(*control, row);
    }
}

// A member of a control array by its objectName: "cmdNum_7" -> {"cmdNum", 7};
// any other control -> {its name, 0}.
inline std::pair<std::string_view, int> ArrayMember(std::string_view name) {
    const auto mark = name.rfind('_');
    if (mark == std::string_view::npos) return {name, 0};
    const char* end = name.data() + name.size();
    int index = 0;
    const auto [stop, failure] = std::from_chars(name.data() + mark + 1, end, index);
    if (failure != std::errc{} || stop != end) return {name, 0};
    return {name.substr(0, mark), index};
}

// Runs `handler`, on behalf of `receiver`, when the user acts on `control`:
// a button is clicked, an option button becomes the chosen one (never when
// it is unchosen), a list takes a new position. Other kinds have no action.
inline void ConnectControl(QWidget& control, QObject& receiver,
                           const std::function<void()>& handler) {
    if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        QObject::connect(option, &QRadioButton::toggled, &receiver, [handler](bool checked) {
            if (checked) handler();
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        QObject::connect(button, &QAbstractButton::clicked, &receiver, handler);
    } else if (auto* list = qobject_cast<QComboBox*>(&control)) {
        QObject::connect(list, &QComboBox::currentIndexChanged, &receiver, handler);
    }
}

}  // namespace plumbrule
