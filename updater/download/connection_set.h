#pragma once
// The live connections of a job, so that the watchdog or the job's end can
// close them from another thread.

#include <mutex>
#include <vector>

class HttpConnection;

class ConnectionSet {
 public:
  // Keeps a connection in the set for its own lifetime.
  class Member {
   public:
    Member(ConnectionSet& set, HttpConnection& connection);
    ~Member();
    Member(const Member&) = delete;
    Member& operator=(const Member&) = delete;

   private:
    ConnectionSet& set_;
    HttpConnection& connection_;
  };

  // Closes the members and every connection that joins until Reopen().
  void CloseAll();
  // A new attempt may connect again; no effect after Shutdown().
  void Reopen();
  // CloseAll() for good.
  void Shutdown();
  bool IsShutDown() const;

 private:
  mutable std::mutex lock_;
  std::vector<HttpConnection*> members_;
  bool closing_ = false;
  bool shutDown_ = false;
};
