// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <variant>

namespace zorvel {

// A value or the reason there is none. Errors travel as values: nothing in the
// evaluation throws.
template <typename T, typename Error>
class Expected {
public:
    Expected(const T& value) : state_(std::in_place_index<0>, value) {}
    Expected(T&& value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(Error error) : state_(std::in_place_index<1>, error) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    Error error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

} // namespace zorvel
