#!/usr/bin/env bash
# The classroom test: Zenkla's results file in a class folder shared over the network. Two client
# machines (QEMU, pure emulation, Debian's own kernel and a busybox initramfs with the project's
# zenkla_classroom) mount a folder that this machine serves on 127.0.0.1 only, with Samba (SMB 3)
# and with NFS-Ganesha (NFSv4.1), and append to one kontr.txt there through appendResult:
#   class at once   every client runs PROCS programs of COUNT appends at the same moment
#   busy share      one client holds the file's lock past the wait while the other appends
#   server restart  the server is stopped and started again during the appends
#   power cut       one client's machine is killed in the middle of its appends
# One line per run with its figures; exits 1 when a run broke a rule (see zenkla_classroom tally).
# Usage: classroom.sh BUILD_DIR [smb|nfs ...]
# The guests reach nothing but the server's port: user-mode networking with restrict=on and one
# forwarded address. Environment: CLASSROOM_PROCS, CLASSROOM_COUNT change the class-at-once run.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$1" && pwd)"
shift
systems=("$@")
[ ${#systems[@]} -gt 0 ] || systems=(smb nfs)
program="$build/trainer/zenkla_classroom"
procs="${CLASSROOM_PROCS:-10}"
count="${CLASSROOM_COUNT:-20}"
tries=6     # tries of one line: the results window tries again every few seconds
pause=2000  # ms between them

work="$(mktemp -d /tmp/classroom.XXXXXX)"
chmod 0755 "$work" # the share inside it is served as the guest account
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  wait 2>/dev/null
  if [ -n "${CLASSROOM_KEEP:-}" ]; then echo "classroom: kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
log() { echo "classroom: $*"; }
die() { log "$*"; exit 1; }

# --- The guests' kernel and modules, from Debian's package, unpacked once into the build folder.
# The kernel is kept uncompressed and booted through its PVH entry: unpacking itself under
# emulation would take the guest several seconds. ---
virtio_modules=(virtio_ring virtio failover net_failover virtio_net virtio_pci_modern_dev virtio_pci_legacy_dev virtio_pci)
smb_modules=(gf128mul ctr ghash-generic seqiv ecb cmac ccm gcm sha512_generic netfs fscache dns_resolver cifs_md4
  cifs_arc4 cifs)
nfs_modules=(netfs fscache dns_resolver sunrpc grace lockd nfs nfsv4)
kpkg="$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')"
[ -n "$kpkg" ] || die "no linux-image-amd64 in the package lists (apt-get update?)"
kdir="$build/classroom-kernel/$kpkg"
if [ ! -f "$kdir/vmlinux" ]; then
  log "unpacking $kpkg"
  mkdir -p "$work/deb" && (cd "$work/deb" && apt-get download "$kpkg" >/dev/null 2>&1) || die "apt-get download $kpkg failed"
  dpkg-deb -x "$work/deb"/*.deb "$work/deb/x"
  rm -rf "$kdir.tmp"
  mkdir -p "$kdir.tmp/modules"
  vmlinuz="$(echo "$work/deb/x"/boot/vmlinuz-*)"
  offset="$(LC_ALL=C grep -aob $'\xfd7zXZ\x00' "$vmlinuz" | head -1 | cut -d: -f1)"
  [ -n "$offset" ] || die "$vmlinuz is not compressed with xz"
  tail -c "+$((offset + 1))" "$vmlinuz" | xz -dc > "$kdir.tmp/vmlinux" 2>/dev/null
  [ -s "$kdir.tmp/vmlinux" ] || die "could not unpack $vmlinuz"
  for m in "${virtio_modules[@]}" "${smb_modules[@]}" "${nfs_modules[@]}"; do
    f="$(find "$work/deb/x/lib/modules" -name "$m.ko" -o -name "${m//-/_}.ko" | head -1)"
    [ -n "$f" ] || die "module $m not in $kpkg"
    cp "$f" "$kdir.tmp/modules/$m.ko"
  done
  rm -rf "$work/deb" "$kdir"
  mv "$kdir.tmp" "$kdir"
fi

# --- The initramfs: busybox, the modules, zenkla_classroom and the libraries it needs ---
root="$work/initramfs"
mkdir -p "$root/bin" "$root/modules" "$root/proc" "$root/sys" "$root/dev" "$root/mnt"
cp /bin/busybox "$root/bin/busybox"
cp "$kdir/modules/"*.ko "$root/modules/"
printf '%s\n' "${virtio_modules[@]}" "${smb_modules[@]}" > "$root/modules.smb"
printf '%s\n' "${virtio_modules[@]}" "${nfs_modules[@]}" > "$root/modules.nfs"
cp "$here/guest-init.sh" "$root/init"
chmod +x "$root/init"
cp "$program" "$root/bin/zenkla_classroom"
for lib in $(ldd "$program" | awk '/=>/ {print $3} /^\t\/lib/ {print $1}'); do
  mkdir -p "$root$(dirname "$lib")"
  cp -L "$lib" "$root$lib"
done
ldso="$(ldd "$program" | awk '/ld-linux/ {print $1}')"
mkdir -p "$root$(dirname "$ldso")"
cp -L "$ldso" "$root$ldso"
(cd "$root" && find . | busybox cpio -o -H newc 2>/dev/null) > "$work/initrd"

# --- Servers on 127.0.0.1 ---
port=$((20000 + $$ % 20000))
share="$work/share"
mkdir -p "$share"
chmod 0777 "$share"
server_pid=""

start_smb() {
  mkdir -p "$work/smb"/{run,lock,state,cache,private,ncalrpc}
  cat > "$work/smb/smb.conf" <<EOF
[global]
  smb ports = $port
  interfaces = 127.0.0.1/8
  bind interfaces only = yes
  disable netbios = yes
  map to guest = Bad User
  server min protocol = SMB3_00
  pid directory = $work/smb/run
  lock directory = $work/smb/lock
  state directory = $work/smb/state
  cache directory = $work/smb/cache
  private dir = $work/smb/private
  ncalrpc dir = $work/smb/ncalrpc
  passdb backend = tdbsam:$work/smb/private/passdb.tdb
  log file = $work/smb/smbd.log
  log level = 1
  load printers = no
  printing = bsd
  printcap name = /dev/null
  disable spoolss = yes
[klase]
  path = $share
  guest ok = yes
  read only = no
EOF
  # smbd signals its whole process group when it stops: it gets a group of its own.
  setsid smbd --foreground --no-process-group -s "$work/smb/smb.conf" < /dev/null >> "$work/smb/out.log" 2>&1 &
  server_pid=$!
  pids+=("$server_pid")
}

start_nfs() {
  mkdir -p "$work/nfs/recovery"
  cat > "$work/nfs/ganesha.conf" <<EOF
NFS_CORE_PARAM { Bind_addr = 127.0.0.1; NFS_Port = $port; Protocols = 4; Enable_NLM = false; Enable_RQUOTA = false; }
NFSV4 { Graceless = true; Lease_Lifetime = 15; RecoveryBackend = fs; RecoveryRoot = "$work/nfs/recovery"; }
NFS_KRB5 { Active_krb5 = false; }
EXPORT {
  Export_Id = 1; Path = "$share"; Pseudo = /klase; Access_Type = RW; Squash = No_Root_Squash;
  Protocols = 4; Transports = TCP; SecType = sys;
  FSAL { Name = VFS; }
}
EOF
  ganesha.nfsd -F -f "$work/nfs/ganesha.conf" -L "$work/nfs/ganesha.log" -p "$work/nfs/ganesha.pid" \
    < /dev/null >> "$work/nfs/out.log" 2>&1 &
  server_pid=$!
  pids+=("$server_pid")
}

stop_server() {
  [ -n "$server_pid" ] || return
  kill "$server_pid" 2>/dev/null
  for _ in $(seq 50); do kill -0 "$server_pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$server_pid" 2>/dev/null
  wait "$server_pid" 2>/dev/null
  server_pid=""
}

# waits until something listens on the port
wait_port() {
  for _ in $(seq 100); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# --- Guests ---
declare -A guest_pid log_start
guest_port=""

start_guest() { # ID FS
  local id="$1" fs="$2"
  mkfifo "$work/$id.in" "$work/$id.out"
  log_start[$id]=0
  : > "$work/$id.log"
  cat "$work/$id.out" >> "$work/$id.log" &
  pids+=($!)
  nice -n 5 qemu-system-x86_64 -accel tcg -m 256 -smp 1 -nodefaults -no-user-config -display none -no-reboot \
    -kernel "$kdir/vmlinux" -initrd "$work/initrd" \
    -append "console=ttyS0 panic=-1 quiet cr_id=$id cr_fs=$fs" \
    -netdev "user,id=n,restrict=on,guestfwd=tcp:10.0.2.100:$guest_port-cmd:busybox nc 127.0.0.1 $port" \
    -device virtio-net-pci,netdev=n \
    -serial "file:$work/$id.console" -chardev "pipe,id=ctl,path=$work/$id" -serial chardev:ctl \
    < /dev/null > "$work/$id.qemu.log" 2>&1 &
  guest_pid[$id]=$!
  pids+=($!)
  exec {fd}<>"$work/$id.in"
  eval "ctl_$id=$fd"
}

tell() { # ID COMMAND...
  local id="$1" fd
  shift
  fd="ctl_$id"
  echo "$*" >&"${!fd}"
}

# waits until the guest's log has, since the run began, COUNT lines matching PATTERN
wait_for() { # ID PATTERN SECONDS [COUNT]
  local id="$1" pattern="$2" limit=$(($3 * 10)) want="${4:-1}"
  for _ in $(seq "$limit"); do
    [ "$(tail -n "+$((${log_start[$id]:-0} + 1))" "$work/$id.log" | grep -c -- "$pattern")" -ge "$want" ] && return 0
    sleep 0.1
  done
  log "guest $id: no '$pattern' after $3 s"
  tail -5 "$work/$id.console" | sed 's/^/  console: /'
  return 1
}

failed=0
run_dir=0
new_run() { # fills a folder of the share with the teacher's earlier lines
  run_dir=$((run_dir + 1))
  dir="$share/run$run_dir"
  mkdir -p "$dir"
  chmod 0777 "$dir"
  printf 'Mokytoja Ona 10 \r\nPetras Petraitis 9 \r\n' > "$dir/kontr.txt"
  chmod 0666 "$dir/kontr.txt"
  cp "$dir/kontr.txt" "$work/before$run_dir"
  for id in A B; do log_start[$id]=$(wc -l < "$work/$id.log"); done
  run_start=$SECONDS
}
# The logs of this run: what each guest said since the run began.
cut_logs() {
  for id in A B; do tail -n "+$((${log_start[$id]} + 1))" "$work/$id.log" > "$work/$id.run$run_dir"; done
}
tally() { # NAME [tally options]
  local name="$1"
  shift
  cut_logs
  local figures
  figures="$("$program" tally "$share/run$run_dir/kontr.txt" "$work/before$run_dir" "$@" "$work/A.run$run_dir" "$work/B.run$run_dir")"
  local rc=$?
  log "$fs $name ($((SECONDS - run_start)) s): $figures"
  if [ $rc -ne 0 ]; then
    log "$fs $name: FAILED"
    failed=1
  fi
}

for fs in "${systems[@]}"; do
  case "$fs" in
    smb) guest_port=445; start_smb ;;
    nfs) guest_port=2049; start_nfs ;;
    *) die "unknown file system $fs" ;;
  esac
  wait_port || die "$fs server did not start"
  began=$SECONDS
  start_guest A "$fs"
  start_guest B "$fs"
  wait_for A "^ready" 120 && wait_for B "^ready" 120 || { failed=1; stop_server; continue; }
  log "$fs: both clients mounted the share in $((SECONDS - began)) s"

  # 1. Class at once.
  new_run
  tell A append "run$run_dir" "$procs" "$count" "$tries" "$pause"
  tell B append "run$run_dir" "$procs" "$count" "$tries" "$pause"
  wait_for A "^done" 300 && wait_for B "^done" 300
  tally "class at once ($procs x $count per client)" --all-saved

  # 2. Busy share: A holds the lock for 12 s, longer than the 5 s wait; B's line waits, is told
  # busy, and is saved by a later try.
  new_run
  tell A hold "run$run_dir" 12
  wait_for A "^held" 30
  tell B append "run$run_dir" 1 2 "$tries" "$pause"
  wait_for B "^done" 120 && wait_for A "^released" 30
  tally "busy share" --all-saved --busy B

  # 3. Server restart in the middle of the appends.
  new_run
  tell A append "run$run_dir" 3 15 "$tries" "$pause"
  tell B append "run$run_dir" 3 15 "$tries" "$pause"
  wait_for A "^OK" 120 8
  stop_server
  sleep 1
  if [ "$fs" = smb ]; then start_smb; else start_nfs; fi
  wait_port || log "$fs server did not start again"
  wait_for A "^done" 180 && wait_for B "^done" 180
  tally "server restart"

  # 4. Power cut: B's machine is killed after some of its lines.
  new_run
  tell A append "run$run_dir" 3 15 "$tries" "$pause"
  tell B append "run$run_dir" 3 15 "$tries" "$pause"
  wait_for B "^OK" 120 10
  kill -9 "${guest_pid[B]}"
  wait_for A "^done" 180
  tally "power cut" --all-saved --dead B

  kill -9 "${guest_pid[A]}" 2>/dev/null
  stop_server
  log "$fs: $((SECONDS - began)) s"
  mkdir -p "$work/$fs"
  mv "$work"/A.* "$work"/B.* "$work"/before* "$work/$fs/"
done
exit $failed
