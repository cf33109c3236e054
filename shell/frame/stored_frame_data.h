#pragma once
// The frame's data read from the data files through their managers.
#include "shell/frame/frame_data.h"

namespace bv {

class FileManagers;
class RelationManagers;

class StoredFrameData : public FrameData {
 public:
  explicit StoredFrameData(RelationManagers& relations);
  void open() override;
  void close() override;
  QString modificaFormulas() override;
  bool parametHasRecord() override;
  std::optional<Decimal> highestProduction() override;
  std::optional<VersionInfo> version() override;

 private:
  RelationManagers& relations_;
  FileManagers& files_;
};

}  // namespace bv
