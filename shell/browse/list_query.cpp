#include "shell/browse/list_query.h"

namespace bv {
namespace {
ListQueryMaker& maker() {
  static ListQueryMaker installed;
  return installed;
}
}  // namespace

void setListQueryMaker(ListQueryMaker m) { maker() = std::move(m); }
const ListQueryMaker& listQueryMaker() { return maker(); }

}  // namespace bv
