#pragma once
// What the platform services learn of this application at start: the caption of its messages, the
// registry key of its profile and the names of its places on the device. Every program of ours (and
// every test) installs it before anything else.

void installApplicationIdentity();
