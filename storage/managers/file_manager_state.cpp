// Saved file states and saved buffers of the calling context.
#include "storage/managers/file_manager.h"

namespace bv {

int FileManager::saveFile() {
  ManagerContext& c = context();
  KeyedFile& f = file();
  SavedFile saved{f.state(), f.position(), c.placeholder, c.placeholderPosition, c.reserved, c.buffer};
  const int id = nextSavedId_++;
  c.saved.emplace(id, std::move(saved));
  return id;
}

void FileManager::restoreFile(int& id, bool restoreBuffer) {
  ManagerContext& c = context();
  const auto it = c.saved.find(id);
  id = 0;
  if (it == c.saved.end()) return;
  SavedFile saved = std::move(it->second);
  c.saved.erase(it);
  KeyedFile& f = file();
  // A state taken before the file was opened cannot be restored: reposition on
  // the saved record instead (it becomes current again).
  if ((!saved.state.isValid() || f.restoreState(saved.state) != kFileOk) && saved.position != 0 &&
      f.isOpen()) {
    Record scratch(table_);
    f.reget(saved.position, scratch);
  }
  c.placeholder = saved.placeholder;
  c.placeholderPosition = saved.placeholderPosition;
  c.reserved = std::move(saved.reserved);
  if (restoreBuffer) c.buffer = std::move(saved.buffer);
}

void FileManager::forgetFile(int& id) {
  context().saved.erase(id);
  id = 0;
}

int FileManager::saveBuffer() {
  ManagerContext& c = context();
  const int id = nextSavedId_++;
  c.buffers.emplace(id, SavedBuffer{c.buffer});
  return id;
}

void FileManager::restoreBuffer(int& id, bool restore) {
  ManagerContext& c = context();
  const auto it = c.buffers.find(id);
  id = 0;
  if (it == c.buffers.end()) return;
  if (restore) c.buffer = std::move(it->second.record);
  c.buffers.erase(it);
}

bool FileManager::equalBuffer(int savedBuffer) {
  ManagerContext& c = context();
  const auto it = c.buffers.find(savedBuffer);
  return it != c.buffers.end() && it->second.record == c.buffer;
}

}  // namespace bv
