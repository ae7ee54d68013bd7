// A time stamp text and a line log of the data link.

#include <sys/time.h>

#include <ctime>
#include <fstream>

#include "app/frmInterface.h"

std::string TfrmInterface::GetTimeString() const {
  timeval now{};
  gettimeofday(&now, nullptr);
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  return std::to_string(local.tm_year + 1900) + "-" + std::to_string(local.tm_mon + 1) + "-" +
         std::to_string(local.tm_mday) + " " + std::to_string(local.tm_hour) + ":" +
         std::to_string(local.tm_min) + ":" + std::to_string(local.tm_sec) + ":" +
         std::to_string(now.tv_usec / 1000);
}

void TfrmInterface::WriteLog(const std::string& text) const {
  if (FLogFileName.empty()) return;
  std::ofstream log(FLogFileName, std::ios::binary | std::ios::app);
  if (!log) return;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32] = {};
  std::strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", &local);
  log << text << "---->" << stamp << "\r\n";
}
