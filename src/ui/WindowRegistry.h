// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

namespace lumenary {

// Holds the program's one instance of each window. A window is made on first
// use and reused while it lives; unloading it deletes it, so the next use
// builds it afresh in its design state.
class WindowRegistry {
public:
    template <class Window>
    void Register(std::function<std::unique_ptr<Window>()> factory)
    {
        entries_[typeid(Window)].factory = [factory = std::move(factory)] { return std::unique_ptr<QWidget>(factory()); };
    }

    // The window, made now if it is not loaded.
    template <class Window>
    Window& Get()
    {
        return static_cast<Window&>(Load(typeid(Window)));
    }

    // The window if it is loaded, else nullptr; never makes it.
    template <class Window>
    Window* Loaded()
    {
        const auto found = entries_.find(typeid(Window));
        return found == entries_.end() ? nullptr : static_cast<Window*>(found->second.window.get());
    }

    template <class Window>
    void Unload()
    {
        Unload(typeid(Window));
    }

    // Unloads whichever registered window this is.
    void Unload(const QWidget* window);

    // Hides a window that stays loaded, so its next use shows the same instance.
    void Hide(QWidget& window);

    // Whether any loaded window is on screen.
    bool AnyVisible() const;

    // Hides every window, for the program's immediate end.
    void HideAll();

    // Called after a window has been unloaded, or hidden through Hide.
    std::function<void()> onUnloaded;

    // While one of these lives, unloading a window does not call onUnloaded;
    // it is called once as the last one ends, if a window was unloaded
    // meanwhile. A window being replaced by another (a selection window by
    // its quiz) is not "no window left".
    class [[nodiscard]] Handover {
    public:
        explicit Handover(WindowRegistry& registry) : registry_(registry) { ++registry_.handovers_; }
        ~Handover();
        Handover(const Handover&) = delete;
        Handover& operator=(const Handover&) = delete;

    private:
        WindowRegistry& registry_;
    };

private:
    struct Entry {
        std::function<std::unique_ptr<QWidget>()> factory;
        std::unique_ptr<QWidget> window;
    };

    QWidget& Load(std::type_index type);
    void Unload(std::type_index type);

    std::unordered_map<std::type_index, Entry> entries_;
    int handovers_ = 0;
    bool unloadedDuringHandover_ = false;
};

} // namespace lumenary
