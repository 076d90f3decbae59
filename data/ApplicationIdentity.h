#pragma once
// What the platform services learn of this application at start: the caption of its messages and the
// registry key of its profile. Every program of ours (and every test) installs it before anything else.

void installApplicationIdentity();
