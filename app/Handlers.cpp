#include "app/Handlers.h"

#include "convert/DateTime.h"

namespace veltrane {

Handlers::Handlers(WindowSystem& ui, Clock& clock, ThreadStarter& threads)
    : ui_(ui), clock_(clock), threads_(threads) {}

void Handlers::OnClockTick() { ui_.SetLabelText(Control::系统时间标签, DateTimeToText(clock_.CurrentLocalTime())); }

}  // namespace veltrane
