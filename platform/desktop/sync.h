#pragma once
// Critical sections: a lock a thread may enter again while it holds it.
#include <memory>
#include <mutex>

namespace desk {

struct CRITICAL_SECTION {
    std::unique_ptr<std::recursive_mutex> lock;
};

void InitializeCriticalSection(CRITICAL_SECTION* section);
void DeleteCriticalSection(CRITICAL_SECTION* section);
void EnterCriticalSection(CRITICAL_SECTION* section);
void LeaveCriticalSection(CRITICAL_SECTION* section);

} // namespace desk
