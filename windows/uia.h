#pragma once
// UI Automation as the game uses it. mingw-w64 declares the element
// provider interfaces (simple, fragment, fragment root; their IIDs are in
// libuuid too) and the property and pattern ids, but no pattern provider
// interface, no control type or event id and no import library for
// uiautomationcore.dll; its <uiautomationcoreapi.h>, with the core's
// functions, does not compile as C++ (a parameter named `new`). What the
// game needs of the rest is declared here, after the system's own headers.
//
// The core's functions are looked up at run time (uiaCore()): the game then
// starts wherever one is missing (UiaDisconnectProvider came with Windows 8;
// Wine 8 has no UiaDisconnectAllProviders) and loads the library only once
// an assistive tool asks for the window's elements.

#include "windows/win32.h"

#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#define UIA_E_ELEMENTNOTENABLED static_cast<HRESULT>(0x80040200)
#define UIA_E_ELEMENTNOTAVAILABLE static_cast<HRESULT>(0x80040201)
#define UiaAppendRuntimeId 3
#define UiaRootObjectId -25
DECLARE_HANDLE(HUIANODE);

// Pattern providers, as uiautomationcore.idl declares them; __uuidof finds
// their IIDs through __CRT_UUID_DECL.
enum ToggleState { ToggleState_Off = 0, ToggleState_On = 1, ToggleState_Indeterminate = 2 };
enum RowOrColumnMajor { RowOrColumnMajor_RowMajor = 0, RowOrColumnMajor_ColumnMajor = 1 };
enum StructureChangeType { StructureChangeType_ChildrenInvalidated = 2 };

MIDL_INTERFACE("54fcb24b-e18e-47a2-b4d3-eccbe77599a2")
IInvokeProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke() = 0;
};
MIDL_INTERFACE("56d00bd0-c4f4-433c-a836-1a52a57e0892")
IToggleProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Toggle() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ToggleState(enum ToggleState* pRetVal) = 0;
};
MIDL_INTERFACE("b17d6187-0907-464b-a168-0ef17a1572b1")
IGridProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetItem(int row, int column, IRawElementProviderSimple** pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RowCount(int* pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ColumnCount(int* pRetVal) = 0;
};
MIDL_INTERFACE("d02541f1-fb81-4d64-ae32-f520f8a6dbd1")
IGridItemProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE get_Row(int* pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Column(int* pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RowSpan(int* pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ColumnSpan(int* pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ContainingGrid(IRawElementProviderSimple** pRetVal) = 0;
};
MIDL_INTERFACE("9c860395-97b3-490a-b52a-858cc22af166")
ITableProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetRowHeaders(SAFEARRAY** pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetColumnHeaders(SAFEARRAY** pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RowOrColumnMajor(enum RowOrColumnMajor* pRetVal) = 0;
};
MIDL_INTERFACE("b9734fa6-771f-4d78-9c90-2517999349cd")
ITableItemProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetRowHeaderItems(SAFEARRAY** pRetVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetColumnHeaderItems(SAFEARRAY** pRetVal) = 0;
};
__CRT_UUID_DECL(IInvokeProvider, 0x54fcb24b, 0xe18e, 0x47a2, 0xb4, 0xd3, 0xec, 0xcb, 0xe7, 0x75, 0x99, 0xa2)
__CRT_UUID_DECL(IToggleProvider, 0x56d00bd0, 0xc4f4, 0x433c, 0xa8, 0x36, 0x1a, 0x52, 0xa5, 0x7e, 0x08, 0x92)
__CRT_UUID_DECL(IGridProvider, 0xb17d6187, 0x0907, 0x464b, 0xa1, 0x68, 0x0e, 0xf1, 0x7a, 0x15, 0x72, 0xb1)
__CRT_UUID_DECL(IGridItemProvider, 0xd02541f1, 0xfb81, 0x4d64, 0xae, 0x32, 0xf5, 0x20, 0xf8, 0xa6, 0xdb, 0xd1)
__CRT_UUID_DECL(ITableProvider, 0x9c860395, 0x97b3, 0x490a, 0xb5, 0x2a, 0x85, 0x8c, 0xc2, 0x2a, 0xf1, 0x66)
__CRT_UUID_DECL(ITableItemProvider, 0xb9734fa6, 0x771f, 0x4d78, 0x9c, 0x90, 0x25, 0x17, 0x99, 0x93, 0x49, 0xcd)

// Control types and events.
#define UIA_ButtonControlTypeId 50000
#define UIA_TextControlTypeId 50020
#define UIA_DataItemControlTypeId 50029
#define UIA_TableControlTypeId 50036
#define UIA_StructureChangedEventId 20002
#define UIA_AutomationFocusChangedEventId 20005

// The flat client calls (the tests read the tree through them).
enum ConditionType { ConditionType_True = 0 };
struct UiaCondition {
  enum ConditionType ConditionType;
};
enum TreeScope { TreeScope_Element = 1 };
enum AutomationElementMode { AutomationElementMode_Full = 1 };
struct UiaCacheRequest {
  struct UiaCondition* pViewCondition;
  enum TreeScope Scope;
  PROPERTYID* pProperties;
  int cProperties;
  PATTERNID* pPatterns;
  int cPatterns;
  enum AutomationElementMode automationElementMode;
};

namespace klandor::win {

// The core's functions, each null where the system lacks it.
struct UiaCore {
  LRESULT(WINAPI* returnRawElementProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
  HRESULT(WINAPI* hostProviderFromHwnd)(HWND, IRawElementProviderSimple**);
  BOOL(WINAPI* clientsAreListening)();
  HRESULT(WINAPI* raiseAutomationEvent)(IRawElementProviderSimple*, EVENTID);
  HRESULT(WINAPI* raisePropertyChangedEvent)(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT);
  HRESULT(WINAPI* raiseStructureChangedEvent)(IRawElementProviderSimple*, StructureChangeType, int*, int);
  HRESULT(WINAPI* disconnectProvider)(IRawElementProviderSimple*);
  HRESULT(WINAPI* disconnectAllProviders)();
  // The client's.
  HRESULT(WINAPI* nodeFromHandle)(HWND, HUIANODE*);
  BOOL(WINAPI* nodeRelease)(HUIANODE);
  HRESULT(WINAPI* getPropertyValue)(HUIANODE, PROPERTYID, VARIANT*);
  HRESULT(WINAPI* navigate)(HUIANODE, NavigateDirection, UiaCondition*, UiaCacheRequest*, SAFEARRAY**, BSTR*);
  HRESULT(WINAPI* nodeFromVariant)(VARIANT*, HUIANODE*);
};

// Loads uiautomationcore.dll from the system's folder the first time; null
// when it is missing or lacks UiaReturnRawElementProvider.
const UiaCore* uiaCore();

}  // namespace klandor::win
