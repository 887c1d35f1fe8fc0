#include "windows/uia.h"

#include <string>

namespace klandor::win {

namespace {

template <typename Fn>
void find(HMODULE library, Fn& fn, const char* name) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

UiaCore load() {
  UiaCore core{};
  // From the system's folder only, never from the program's.
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return core;
  const HMODULE library = LoadLibraryW((std::wstring(folder, length) + L"\\uiautomationcore.dll").c_str());
  if (library == nullptr) return core;
  find(library, core.returnRawElementProvider, "UiaReturnRawElementProvider");
  find(library, core.hostProviderFromHwnd, "UiaHostProviderFromHwnd");
  find(library, core.clientsAreListening, "UiaClientsAreListening");
  find(library, core.raiseAutomationEvent, "UiaRaiseAutomationEvent");
  find(library, core.raisePropertyChangedEvent, "UiaRaiseAutomationPropertyChangedEvent");
  find(library, core.raiseStructureChangedEvent, "UiaRaiseStructureChangedEvent");
  find(library, core.disconnectProvider, "UiaDisconnectProvider");
  find(library, core.disconnectAllProviders, "UiaDisconnectAllProviders");
  find(library, core.nodeFromHandle, "UiaNodeFromHandle");
  find(library, core.nodeRelease, "UiaNodeRelease");
  find(library, core.getPropertyValue, "UiaGetPropertyValue");
  find(library, core.navigate, "UiaNavigate");
  find(library, core.nodeFromVariant, "UiaHUiaNodeFromVariant");
  return core;
}

}  // namespace

const UiaCore* uiaCore() {
  static const UiaCore core = load();  // the library stays for the run
  return core.returnRawElementProvider != nullptr ? &core : nullptr;
}

}  // namespace klandor::win
