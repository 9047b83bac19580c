#include "updater/download/connection_set.h"

#include <algorithm>

#include "updater/download/http_connection.h"

ConnectionSet::Member::Member(ConnectionSet& set, HttpConnection& connection) : set_(set), connection_(connection) {
  std::lock_guard<std::mutex> guard(set_.lock_);
  set_.members_.push_back(&connection_);
  if (set_.closing_) connection_.Close();
}

ConnectionSet::Member::~Member() {
  std::lock_guard<std::mutex> guard(set_.lock_);
  auto& members = set_.members_;
  members.erase(std::remove(members.begin(), members.end(), &connection_), members.end());
}

void ConnectionSet::CloseAll() {
  std::lock_guard<std::mutex> guard(lock_);
  closing_ = true;
  for (HttpConnection* connection : members_) connection->Close();
}

void ConnectionSet::Reopen() {
  std::lock_guard<std::mutex> guard(lock_);
  closing_ = shutDown_;
}

void ConnectionSet::Shutdown() {
  std::lock_guard<std::mutex> guard(lock_);
  shutDown_ = closing_ = true;
  for (HttpConnection* connection : members_) connection->Close();
}

bool ConnectionSet::IsShutDown() const {
  std::lock_guard<std::mutex> guard(lock_);
  return shutDown_;
}
