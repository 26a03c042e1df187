#include "tests/support/NoClockRight.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace veltrane::testing {
namespace {

bool ReadCapabilities(__user_cap_header_struct& header, __user_cap_data_struct (&data)[2]) {
  header = {_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capget, &header, data) == 0;
}

}  // namespace

bool HasClockRight() {
  __user_cap_header_struct header;
  __user_cap_data_struct data[2];
  if (!ReadCapabilities(header, data)) return true;  // cannot tell: assume the worst
  return (data[CAP_TO_INDEX(CAP_SYS_TIME)].effective & CAP_TO_MASK(CAP_SYS_TIME)) != 0;
}

void DropClockRight() {
  prctl(PR_CAPBSET_DROP, CAP_SYS_TIME, 0, 0, 0);  // fails harmlessly without CAP_SETPCAP
  __user_cap_header_struct header;
  __user_cap_data_struct data[2];
  if (ReadCapabilities(header, data)) {
    const unsigned mask = CAP_TO_MASK(CAP_SYS_TIME);
    auto& slot = data[CAP_TO_INDEX(CAP_SYS_TIME)];
    slot.effective &= ~mask;
    slot.permitted &= ~mask;
    slot.inheritable &= ~mask;
    syscall(SYS_capset, &header, data);
  }
  if (HasClockRight()) {
    std::fprintf(stderr, "could not give up CAP_SYS_TIME; refusing to run tests\n");
    std::abort();
  }
}

}  // namespace veltrane::testing
