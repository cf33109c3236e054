#pragma once
// The relation manager of one table or alias: it knows the table's relations to
// other tables, opens and closes the table together with every table it is
// related to, and changes or deletes a record with referential integrity:
// the records of other tables that the relations link to it are refused
// (restrict), cleared, or changed and deleted with it (cascade), all inside one
// transaction.
//
// A table and its aliases share one file, so the relations owned by any of
// them guard every change of that file: a basic product whose code changes
// through "Basicos" is cascaded into the formulas that use it as component B,
// a relation that the alias "A_Basicos" owns.
//
// Every operation answers a level: 0 done, 1 declined or invalid, 3 fatal,
// 5 failed with its message shown.
#include <QString>
#include <unordered_map>
#include <vector>

#include "runtime/context.h"
#include "storage/managers/file_manager.h"
#include "storage/relations/integrity_transaction.h"
#include "storage/relations/linked_records.h"
#include "storage/relations/relation.h"

namespace bv {

class TablesInUse;

// Numbers the walks over the relation graph, so that each walk visits every
// table once; one counter serves all the managers of a program.
class RelationPasses {
 public:
  long next() { return ++last_; }

 private:
  long last_ = 0;
};

class RelationManager {
 public:
  // "Error de Integridad Referencial (Borrado)" / "(Actualización)",
  // "Confirmar Borrado", "Error en Borrar Registro".
  static constexpr int kMsgDeleteRestricted = 30;
  static constexpr int kMsgUpdateRestricted = 31;
  static constexpr int kMsgConfirmDelete = 9;
  static constexpr int kMsgRetryDelete = 33;
  static constexpr int kMsgNotDeleted = 11;

  RelationManager(FileManager& me, bool useLogout, RelationPasses& passes);
  virtual ~RelationManager();
  RelationManager(const RelationManager&) = delete;
  RelationManager& operator=(const RelationManager&) = delete;

  // ---- set-up -------------------------------------------------------------------
  // A relation this table owns, reaching `other` by its key `otherKey`; its
  // field pairs follow with addFieldPair.
  void addRelation(RelationManager& other, RelationAction onUpdate, RelationAction onDelete,
                   const KeyDef& otherKey);
  // A field pair of the last relation added: this table's field, the other's
  // (labels, any letter case). The program ends on a label neither table has.
  void addFieldPair(const QString& mine, const QString& other);
  void addFieldPair(const FieldDef& mine, const FieldDef& other);
  // The owner of a relation held by the other table: no key, actions or pairs.
  void addRelation(RelationManager& other);
  // For an alias: the relation manager of its base table.
  void setAlias(RelationManager& base);

  // ---- virtual operations, in slot order ----------------------------------------
  // Deletes the table's auto-number placeholder with integrity (the records
  // linked to it go too) and clears the flag.
  virtual int cancelAutoNumber();  // 0
  virtual int close();             // 1
  // Delete of the current record with integrity; asks "Confirmar Borrado"
  // first when `confirm`, and offers to try again after a failure.
  virtual int deleteRecord(bool confirm = true);  // 2
  // The delete action of `link` (owned by another table) on this table's
  // records that belong to `owner`, their own linked records first.
  virtual int applyDelete(const Relation& link, const Record& owner, IntegrityFailure& failure);  // 3
  virtual void destroy();  // 4
  // Counts an open of the table and of every table reached through relations
  // in either direction, the table itself opened at once; stops at the first
  // failure.
  virtual int open();  // 5
  // Remembers the current record's linking values, so that a later update can
  // tell which of them changed.
  virtual void rememberLinks();  // 6
  // Sends "QUICKSCAN=on" or "off" to the table and, when asked, to every table
  // reached through relations.
  virtual void setQuickScan(bool on, bool relatedToo = true);  // 7
  // Update of the current record with integrity; `longForm` asks for the long
  // form of the changed-record message.
  virtual int update(bool longForm = false);  // 8
  // The update action of `link` (owned by another table) on this table's
  // records that belonged to the owner's values `before`, now `after`.
  virtual int applyUpdate(const Relation& link, const Record& before, const Record& after,
                          IntegrityFailure& failure);  // 9

  // Deletes the current record with integrity once: no confirmation, no offer
  // to try again; a failure's message is shown. (A form deleting its child
  // lines inside its own transaction.)
  int deleteCurrent();

  // ---- properties ---------------------------------------------------------------
  FileManager& me() const { return *me_; }
  const std::vector<Relation>& relations() const { return relations_; }
  RelationManager* aliasFile() const { return aliasFile_; }
  bool useLogout() const { return useLogout_; }
  void setUseLogout(bool on) { useLogout_ = on; }
  long lastTouched() const { return lastTouched_; }
  // The relation this table owns towards `other`, or nullptr.
  const Relation* relationTo(const RelationManager& other) const;
  // Forgets what a context that has ended remembered.
  void dropContext(ContextId id) { remembered_.erase(id); }

 private:
  enum class Change { Update, Delete };
  struct Remembered {
    RecordPosition position = 0;
    Record record;
  };

  // The managers of the same file: the base table and its aliases.
  std::vector<RelationManager*> family();
  int openFrom(long pass, bool root);
  void closeFrom(long pass);
  void quickScanFrom(long pass, bool on);
  // The tables a change of this table changes (through clear or cascade
  // actions, further on down) and those it only checks (restrict).
  void collectReached(Change change, long pass, std::vector<RelationManager*>& changed,
                      std::vector<RelationManager*>& checked);
  int startTransaction(Change change, TablesInUse& tables, IntegrityTransaction& transaction,
                       IntegrityFailure& failure);
  // The relation actions of this table's family for an owner record.
  int updateLinked(const Record& before, const Record& after, IntegrityFailure& failure);
  int deleteLinked(const Record& owner, IntegrityFailure& failure);
  int deleteOnce(RecordPosition position, IntegrityFailure& failure);
  // Does a relation of this table's family that acts on update own one of the
  // fields `link` sets? Then each changed record must be followed down.
  bool ownsUpdatedLinks(const Relation& link);
  int cascadeAtOnce(const Relation& link, const std::vector<LinkedField>& linked, const Record& after,
                    IntegrityFailure& failure);
  // The linking values the current record had when read.
  Record linksBefore(RecordPosition position);
  void restoreLinks(const Record& before);

  // ---- the manager's fields, in the order of its data model ---------------------
  FileManager* me_;                   // ME
  std::vector<Relation> relations_;   // RELATIONS
  RelationManager* aliasFile_ = nullptr;  // ALIASFILE
  bool useLogout_ = true;             // USELOGOUT
  long lastTouched_ = 0;              // LASTTOUCHED

  RelationPasses& passes_;
  std::vector<RelationManager*> aliases_;  // of a base table
  std::unordered_map<ContextId, Remembered> remembered_;
};

}  // namespace bv
