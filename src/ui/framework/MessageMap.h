// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace glyphsmith::ui {

class Dialog;

// One entry of a dialog's message map: a click on the control calls the handler.
struct MessageMapEntry {
    int controlId;
    void (*handler)(Dialog&);
};

using MessageMap = std::span<const MessageMapEntry>;

namespace detail {
template <class Member> struct HandlerClass;
template <class D> struct HandlerClass<void (D::*)()> { using Type = D; };
} // namespace detail

// The entry for a click on a control, handled by a member function without arguments:
//     static constexpr MessageMapEntry kMap[] = {OnClicked<&MyDialog::OnApply>(7)};
template <auto Handler> constexpr MessageMapEntry OnClicked(int controlId) {
    using D = typename detail::HandlerClass<decltype(Handler)>::Type;
    return {controlId, [](Dialog& dialog) { (static_cast<D&>(dialog).*Handler)(); }};
}

} // namespace glyphsmith::ui
