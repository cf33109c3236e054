#pragma once
// What the basic-product windows do beyond the common list and form: the
// list is read-only where the catalogue may not be changed; the form shows
// the net cost once and always the line its product code names.
#include "masterdata/basicos/net_cost.h"
#include "shell/behaviour/form_behaviour.h"
#include "shell/behaviour/list_behaviour.h"

namespace bv {
class FileManager;
}

namespace bv::basicos {

class BasicosListBehaviour : public ListBehaviour {
 public:
  void opening(ListWindow& list) override;
};

class BasicosFormBehaviour : public FormBehaviour {
 public:
  BasicosFormBehaviour();
  void opened(FormWindow& form) override;
  void refreshing(FormWindow& form, bool finalPass) override;
};

// Reads into the line buffer the line whose code is the numeric value of the
// product code; blank line fields when the code is no number or names no line.
void showLineOfCode(FileManager& products, FileManager& lines);

}  // namespace bv::basicos
