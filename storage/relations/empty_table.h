#pragma once
// Deletes every record of a work table (Planilla, Etiquetas) inside the
// caller's transaction, before it is filled anew.
namespace bv {

class FileManager;
class IntegrityFailure;

// Answers 0, or the level of the read or delete that failed (noted in
// `failure`, its message raised by the caller after the rollback).
int emptyTable(FileManager& table, IntegrityFailure& failure);

}  // namespace bv
