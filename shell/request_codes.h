#pragma once
// The global request and response codes through which a list hands its request
// to the form it calls and the form answers. They are kept once per execution
// context: two lists in two windows never see each other's request, while a form
// called in its list's context sees the list's.
#include "runtime/context.h"

namespace bv {

// What a list asks of its form.
enum RequestCode : int {
  kNoRequest = 0,
  kInsertRecord = 1,
  kChangeRecord = 2,
  kDeleteRecord = 3,
  kSelectRecord = 4,
  kViewRecord = 6,
};

// How the form ended.
enum ResponseCode : int {
  kNoResponse = 0,
  kRequestCompleted = 1,
  kRequestCancelled = 2,
};

struct RequestCodes {
  int request = kNoRequest;
  int response = kNoResponse;
};

// The codes of the current context.
RequestCodes globalCodes();
int globalRequest();
void setGlobalRequest(int request);
int globalResponse();
void setGlobalResponse(int response);
// Clears both codes of the current context.
void clearGlobalCodes();
// Forgets the codes of a context that has ended.
void dropGlobalCodes(ContextId id);

}  // namespace bv
