#include "SimpleTcpipService.h"

#include <windows.h>

#include "framework/COwned.h"
#include "framework/SystemLibrary.h"

namespace {

const wchar_t kAdvapi[] = L"advapi32.dll";

struct ServiceHandleKind {
    using Handle = SC_HANDLE;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle handle) {
        const auto close = FindSystemProc<decltype(&::CloseServiceHandle)>(kAdvapi, "CloseServiceHandle");
        return close && close(handle);
    }
};
using CServiceHandle = COwned<ServiceHandleKind>;

}  // namespace

bool IsSimpleTcpipRunning() {
    const auto openManager = FindSystemProc<decltype(&::OpenSCManagerW)>(kAdvapi, "OpenSCManagerW");
    const auto openService = FindSystemProc<decltype(&::OpenServiceW)>(kAdvapi, "OpenServiceW");
    const auto queryStatus = FindSystemProc<decltype(&::QueryServiceStatus)>(kAdvapi, "QueryServiceStatus");
    if (!openManager || !openService || !queryStatus) return false;
    const CServiceHandle manager(openManager(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.IsSet()) return false;
    const CServiceHandle service(openService(manager.Get(), L"simptcp", SERVICE_QUERY_STATUS));
    SERVICE_STATUS status{};
    return service.IsSet() && queryStatus(service.Get(), &status) && status.dwCurrentState == SERVICE_RUNNING;
}
