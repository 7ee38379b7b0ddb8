#pragma once
// The superuser without some of its capabilities while the object lives,
// so that a test run as root meets the refusals a user meets: a file it
// has no permission for (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH), a terminal
// in exclusive mode (CAP_SYS_ADMIN). Only this thread's effective set
// changes; the permitted set gives them back.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <initializer_list>

namespace testsupport {

class WithoutCapabilities {
  public:
    explicit WithoutCapabilities(std::initializer_list<int> capabilities) {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct fewer[2] = {saved_[0], saved_[1]};
        for (int c : capabilities) fewer[c / 32].effective &= ~(1u << (c % 32));
        dropped_ = ::syscall(SYS_capset, &header_, fewer) == 0;
    }
    ~WithoutCapabilities() {
        if (dropped_) ::syscall(SYS_capset, &header_, saved_);
    }
    WithoutCapabilities(const WithoutCapabilities&) = delete;
    WithoutCapabilities& operator=(const WithoutCapabilities&) = delete;

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

} // namespace testsupport
