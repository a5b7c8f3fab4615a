#include "platform/desktop/sync.h"

namespace desk {

void InitializeCriticalSection(CRITICAL_SECTION* section) { section->lock = std::make_unique<std::recursive_mutex>(); }

void DeleteCriticalSection(CRITICAL_SECTION* section) { section->lock.reset(); }

void EnterCriticalSection(CRITICAL_SECTION* section) { section->lock->lock(); }

void LeaveCriticalSection(CRITICAL_SECTION* section) { section->lock->unlock(); }

} // namespace desk
