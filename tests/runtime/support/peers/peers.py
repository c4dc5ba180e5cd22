#!/usr/bin/python3
"""The network peers of the tests, on the loopback address and on ports free at start:
an SMTP server (aiosmtpd) that keeps every mail it accepts, an HTTP server that serves a folder
and answers some paths badly on purpose, and an FTP server (pyftpdlib) with one user.

    peers.py FOLDER

FOLDER/ports.txt gets "smtp=N", "http=N" and "ftp=N" lines once all three listen; mails go to
FOLDER/mail/N.eml (envelope lines first), the HTTP root is FOLDER/www, the FTP user "qbk" with the
password "secret" sees FOLDER/ftp. Runs until it is killed.
"""
import asyncio
import http.server
import os
import sys
import threading

from aiosmtpd.smtp import SMTP
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

folder = os.path.abspath(sys.argv[1])
for sub in ("mail", "www", "ftp"):
    os.makedirs(os.path.join(folder, sub), exist_ok=True)


class KeepMail:
    count = 0

    async def handle_DATA(self, server, session, envelope):
        KeepMail.count += 1
        path = os.path.join(folder, "mail", "%d.eml" % KeepMail.count)
        with open(path + ".part", "wb") as out:
            out.write(b"X-Envelope-From: " + envelope.mail_from.encode() + b"\r\n")
            for rcpt in envelope.rcpt_tos:
                out.write(b"X-Envelope-To: " + rcpt.encode() + b"\r\n")
            out.write(envelope.original_content)
        os.replace(path + ".part", path)
        return "250 Message accepted for delivery"


class Web(http.server.SimpleHTTPRequestHandler):
    """Serves FOLDER/www; /bad/... paths misbehave:
    /bad/404 and /bad/500 answer that status, /bad/nolength sends a body without a length,
    /bad/short promises more bytes than it sends and closes, /bad/drop sends half and resets."""

    protocol_version = "HTTP/1.0"

    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=os.path.join(folder, "www"), **kwargs)

    def log_message(self, *args):
        pass

    def do_GET(self):
        body = b"partial body " * 100
        if self.path in ("/bad/404", "/bad/500"):
            code = int(self.path[-3:])
            self.send_response(code)
            self.send_header("Content-Length", "9")
            self.end_headers()
            self.wfile.write(b"error ###")
        elif self.path == "/bad/nolength":
            self.send_response(200)
            self.end_headers()
            self.wfile.write(body)
        elif self.path == "/bad/short":
            self.send_response(200)
            self.send_header("Content-Length", str(len(body) * 4))
            self.end_headers()
            self.wfile.write(body)
        elif self.path == "/bad/drop":
            self.send_response(200)
            self.send_header("Content-Length", str(len(body) * 2))
            self.end_headers()
            self.wfile.write(body)
            self.wfile.flush()
            import socket, struct
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
        else:
            super().do_GET()


def main():
    web = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Web)
    threading.Thread(target=web.serve_forever, daemon=True).start()

    users = DummyAuthorizer()
    users.add_user("qbk", "secret", os.path.join(folder, "ftp"), perm="elradfmw")
    handler = type("Ftp", (FTPHandler,), {"authorizer": users, "banner": "test peer"})
    ftp = FTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=ftp.serve_forever, daemon=True).start()

    loop = asyncio.new_event_loop()
    smtp = loop.run_until_complete(
        loop.create_server(lambda: SMTP(KeepMail(), hostname="peer.test"), "127.0.0.1", 0))

    ports = "smtp=%d\nhttp=%d\nftp=%d\n" % (
        smtp.sockets[0].getsockname()[1], web.server_address[1], ftp.address[1])
    with open(os.path.join(folder, "ports.txt.part"), "w") as out:
        out.write(ports)
    os.replace(os.path.join(folder, "ports.txt.part"), os.path.join(folder, "ports.txt"))
    loop.run_forever()


if __name__ == "__main__":
    main()
