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
namespace platform {

template <class Interface> class Host {
  public:
    // The registered implementation, or the default one that does nothing.
    static Interface& get() {
        Interface* registered = slot();
        return registered ? *registered : fallback();
    }

    // Registers an implementation (nullptr: none). Gives back the one it replaces.
    static Interface* set(Interface* implementation) {
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

} // namespace platform
