#pragma once
// The frame's data read from the data files through their managers.
#include "shell/frame/frame_data.h"

namespace bv {

class FileManagers;

class StoredFrameData : public FrameData {
 public:
  explicit StoredFrameData(FileManagers& files) : files_(files) {}
  void open() override;
  void close() override;
  QString modificaFormulas() override;
  bool parametHasRecord() override;
  std::optional<Decimal> highestProduction() override;
  std::optional<VersionInfo> version() override;

 private:
  FileManagers& files_;
};

}  // namespace bv
