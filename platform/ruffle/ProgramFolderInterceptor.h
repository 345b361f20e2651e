#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {

// Keeps the page to what the policy lets it load: each request is loaded, sent on or
// refused as PlayerPolicy::Decide answers it. Called on the UI thread.
class ProgramFolderInterceptor : public QWebEngineUrlRequestInterceptor {
 public:
  ProgramFolderInterceptor(PlayerPolicy& policy, QObject* parent)
      : QWebEngineUrlRequestInterceptor(parent), policy_(policy) {}

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const PlayerPolicy::Verdict verdict = policy_.Decide(PlayerPolicy::File{info.requestUrl()});
    if (!verdict.redirect.isEmpty())
      info.redirect(verdict.redirect);
    else if (!verdict.allowed)
      info.block(true);
  }

 private:
  PlayerPolicy& policy_;
};

}  // namespace zingbox
