"""Headless Chromium driven through the DevTools protocol, as little of it
as the web face's tests and benchmarks need."""

import json
import os
import shutil
import subprocess
import tempfile
import time

import websocket

# The network here is closed: without these, Chromium keeps trying to reach
# its own services and floods the log with refused connections.
QUIET_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--disable-extensions", "--mute-audio",
]


class Browser:
    """One Chromium with a fresh profile, and a connection to its first tab."""

    def __init__(self, width=1024, height=768):
        self.profile = tempfile.mkdtemp(prefix="tenglama-chromium-")
        self.process = subprocess.Popen(
            [os.environ.get("CHROMIUM", "chromium"), *QUIET_FLAGS, f"--user-data-dir={self.profile}",
             "--remote-debugging-port=0", f"--window-size={width},{height}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.monotonic() + 30
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.close()
                raise RuntimeError("Chromium did not start")
            time.sleep(0.05)
        with open(port_file) as f:
            port, path = f.read().split()[:2]
        self.socket = websocket.create_connection(f"ws://127.0.0.1:{port}{path}", timeout=30, suppress_origin=True)
        self.next_id = 0
        self.events = []
        target = self.send("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]

    def close(self):
        if getattr(self, "socket", None):
            self.socket.close()
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def send(self, method, session=None, **params):
        """A browser command (or one to `session`), waiting for its answer."""
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        self.socket.send(json.dumps(message))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})
            if "method" in answer:
                self.events.append(answer)

    def page(self, method, **params):
        return self.send(method, session=self.session, **params)

    def wait_for_event(self, method, timeout=30):
        deadline = time.monotonic() + timeout
        while True:
            for event in self.events:
                if event["method"] == method:
                    self.events.remove(event)
                    return event["params"]
            if time.monotonic() > deadline:
                raise TimeoutError(method)
            self.socket.settimeout(max(0.01, deadline - time.monotonic()))
            try:
                self.events.append(json.loads(self.socket.recv()))
            except websocket.WebSocketTimeoutException:
                pass
            finally:
                self.socket.settimeout(30)

    def evaluate(self, expression, user_gesture=False):
        """The value of a JavaScript expression in the page (awaited if a promise)."""
        result = self.page("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True,
                           userGesture=user_gesture)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_until(self, expression, timeout=10):
        deadline = time.monotonic() + timeout
        while not self.evaluate(expression):
            if time.monotonic() > deadline:
                raise TimeoutError(expression)
            time.sleep(0.02)
