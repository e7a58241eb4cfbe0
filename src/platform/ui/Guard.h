#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace ui {

// Runs an event handler's body. An exception that escapes it goes to the
// error dialog (sys/UnhandledException.h) and work goes on; a quiet abort
// (db::Abort, thrown to refuse an action the user has been told about) ends
// the handler without a message. Returns whether the body ran through.
bool guard(const std::function<void()> &body, const QString &context = {});

// Wraps a slot for connect():
//     connect(bbtNeu, &QPushButton::clicked, this, ui::guarded([this] { neu(); }));
template<typename Function>
auto guarded(Function function, QString context = {})
{
    return [function = std::move(function), context](auto &&...arguments) mutable {
        guard([&] {
            // A slot may take fewer arguments than the signal sends.
            if constexpr (std::is_invocable_v<Function &, decltype(arguments)...>)
                function(std::forward<decltype(arguments)>(arguments)...);
            else
                function();
        }, context);
    };
}

// Reports the exception being handled, unless it is a quiet abort; for catch
// blocks of our own event overrides.
void reportCurrentException(const QString &context = {});

} // namespace ui
