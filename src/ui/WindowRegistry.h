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

    // Whether any loaded window is on screen.
    bool AnyVisible() const;

    // Hides every window, for the program's immediate end.
    void HideAll();

    // Called after a window has been unloaded.
    std::function<void()> onUnloaded;

private:
    struct Entry {
        std::function<std::unique_ptr<QWidget>()> factory;
        std::unique_ptr<QWidget> window;
    };

    QWidget& Load(std::type_index type);
    void Unload(std::type_index type);

    std::unordered_map<std::type_index, Entry> entries_;
};

} // namespace lumenary
