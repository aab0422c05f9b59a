// SPDX-License-Identifier: MIT
#include "functionsets/load_session.h"

#include <cstdint>

namespace graf {

void LoadSession::beginAttempt() {
  p_.ProgressStep = 0;
  p_.ProgressPosition = 0;
}

void LoadSession::openProgressWindow() {
  if (!port_) return;
  port_->showProgressWindow();
  port_->setProgressCaption("Betöltés...");
}

void LoadSession::start(int count, const std::string& countText) {
  p_.LoadMode = true;
  if (port_) port_->setLoadStatus("Betöltött függvények: " + countText);
  if (count > 0) p_.ProgressStep = static_cast<std::uint8_t>(50 / count);
  p_.LoadPlotCount = 0;
}

void LoadSession::advance() {
  p_.ProgressPosition = static_cast<std::uint8_t>(p_.ProgressPosition + p_.ProgressStep);
  if (port_) port_->setProgressPosition(p_.ProgressPosition);
}

void LoadSession::functionRead() { advance(); }

void LoadSession::plotRunStarted(int functionCount) {
  if (!p_.LoadMode) return;
  if (port_) port_->setProgressCaption("Számolás...");
  if (functionCount > 0) p_.ProgressStep = static_cast<std::uint8_t>((100 - p_.ProgressPosition) / functionCount);
  if (p_.LoadPlotCount < 2) ++p_.LoadPlotCount;
}

void LoadSession::functionDrawn() {
  if (p_.LoadMode) advance();
}

void LoadSession::plotRunEnded() {
  if (p_.LoadPlotCount > 1) p_.LoadMode = false;
}

void LoadSession::closeProgressWindow() {
  if (port_) port_->closeProgressWindow();
}

void LoadSession::cleared() {
  p_.LoadMode = false;
  if (port_) port_->setLoadStatus(NothingLoadedText);
}

}  // namespace graf
