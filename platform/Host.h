#pragma once
// The one way a lower layer calls a higher one.
//
// The lower library declares a small host interface: a class whose virtual
// methods do nothing (or answer "no") by default. The higher library
// implements it and registers its implementation once, at start-up; tests
// register doubles. Until something is registered, calls reach a default
// instance and do nothing, so a library runs and tests without the layers
// above it.
//
//   struct FlashGridHost { virtual ~FlashGridHost() = default;
//                          virtual void RefreshFlashRange(int, int) {} };
//   platform::host<FlashGridHost>().RefreshFlashRange(0, 1023); // the caller
//   platform::Host<FlashGridHost>::Scoped registered(myGrid);   // the answerer
#include <vector>

namespace platform {
namespace detail {

// One entry per interface ever registered: takes its registration back.
inline std::vector<void (*)()>& hostForgetters() {
    static std::vector<void (*)()> forgetters;
    return forgetters;
}

} // namespace detail

template <class Interface> class Host {
  public:
    // The registered implementation, or the default one that does nothing.
    static Interface& get() {
        Interface* registered = slot();
        return registered ? *registered : fallback();
    }

    // Registers an implementation (nullptr: none). Gives back the one it replaces.
    static Interface* set(Interface* implementation) {
        static const bool listed = (detail::hostForgetters().push_back([] { slot() = nullptr; }), true);
        (void)listed;
        Interface* previous = slot();
        slot() = implementation;
        return previous;
    }

    // A registration for as long as the object lives: a window that answers
    // only while it exists, or a test double. The one it replaced comes back.
    class Scoped {
      public:
        explicit Scoped(Interface& implementation) : previous_(set(&implementation)) {}
        ~Scoped() { set(previous_); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

      private:
        Interface* previous_;
    };

  private:
    static Interface*& slot() {
        static Interface* registered = nullptr;
        return registered;
    }
    static Interface& fallback() {
        static Interface none;
        return none;
    }
};

template <class Interface> Interface& host() {
    return Host<Interface>::get();
}

// Every registration taken back, so that each call reaches its default: a
// test's fresh start, before it registers anything. (A Scoped registration
// that lives on puts back, when it ends, the one it replaced.)
inline void forgetHosts() {
    for (void (*forget)() : detail::hostForgetters()) forget();
}

} // namespace platform
